#pragma once

#include <memory>

#include "colour/color_depth.h"
#include "framework/graphics/handles.h"

class TMemoryStream;

// The bitmap as a whole bitmap file image at that depth (ReadDibBits converts it), in a new stream
// positioned at its start. Rows the platform could not read stay zero. A null bitmap raises
// EInvalidGraphic "Bitmap image is not valid".
std::unique_ptr<TMemoryStream> BitmapToPackedDib(HBITMAP bitmap, HPALETTE palette,
                                                 TColorDepth depth);
