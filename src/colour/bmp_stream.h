#pragma once

#include <memory>

#include "colour/color_depth.h"
#include "colour/reduction_method.h"

class TBitmap;
class TMemoryStream;

// A bitmap as a bitmap file image (file header, info header, colour table, rows bottom-up) in a
// new stream positioned at its start, at the depth asked for:
// - a bitmap already at that depth is written as it is, unless the method is rmGrayscale;
// - cdDevice otherwise is not provided: ReportNotImplemented ends the operation (EAbort);
// - 1 and 4 bits take each pixel's nearest colour in the bitmap's own colour table when it is that
//   small, else in its palette when that fits, else in the standard table of that depth;
// - 8 bits reduce the true colours with the method (reduce_pixels.h);
// - 24 bits keep the true colours, whatever the method.
// A bitmap without a handle raises EInvalidGraphic "Bitmap image is not valid"; a failed
// allocation EOutOfMemory. Nothing is left allocated when an exception passes.
std::unique_ptr<TMemoryStream> BitmapToBmpStream(TBitmap& bitmap, TColorDepth depth,
                                                 TReductionMethod method);

// The same with DefaultReductionMethod, at the least depth that holds colors colours: 1 bit for
// at most 2, 4 for at most 16, 8 for at most 256, else 24.
std::unique_ptr<TMemoryStream> BitmapToBmpStreamForColors(TBitmap& bitmap, int colors);
