#pragma once

#include <memory>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/platform/argb_image.h"

// A presented frame as a 24-bit bitmap, to compare with a golden picture or to look at.
std::unique_ptr<TBitmap> FrameToBitmap(const TArgbImage& frame);
// Writes the frame as a BMP file.
void SaveFrameAsBmp(const TArgbImage& frame, const std::string& fileName);
