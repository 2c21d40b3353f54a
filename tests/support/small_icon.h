#pragma once

#include <utility>

#include "framework/graphics/icon_codec.h"

// A 2 x 2 icon image of depth bits per pixel: top left transparent (mask 1, colour black), top
// right inverting (mask 1, colour white), the bottom row opaque red and blue.
inline TIconFile SmallIcon(int depth) {
  TBitmapHandle color(TBitmapObject::Create(2, 2, depth));
  TBitmapHandle mask(TBitmapObject::Create(2, 2, 1));
  color->SetPixel(1, 0, color->ValueOf(clWhite));
  color->SetPixel(0, 1, color->ValueOf(clRed));
  color->SetPixel(1, 1, color->ValueOf(clBlue));
  mask->SetPixel(0, 0, 1);
  mask->SetPixel(1, 0, 1);
  TIconFile file;
  file.images.emplace_back(std::move(color), std::move(mask));
  return file;
}
