#pragma once

#include <cstddef>

#include "colour/color_depth.h"
#include "framework/graphics/dib_access.h"

// Reading a device bitmap as device-independent rows at a colour depth: the info header those
// rows have, their sizes, and the rows themselves.

// The 40-byte info header of the bitmap at that depth (cdDevice: its own; any depth above 8 but
// 24 is read as 24 bits): rows bottom-up, uncompressed, biSizeImage their bytes, no colour count.
BITMAPINFOHEADER FillDibHeader(HBITMAP bitmap, TColorDepth depth);

struct TDibSizes {
  std::size_t headerBytes;  // info header and colour table (2^bits entries below 24 bits)
  std::size_t imageBytes;   // the rows
};
TDibSizes GetDibSizes(HBITMAP bitmap, TColorDepth depth);

// Fills info (header and, below 24 bits, the colour table) and bits (imageBytes of GetDibSizes)
// with the bitmap at that depth, as the platform's GetDIBits converts it: below 24 bits each pixel
// becomes the nearest colour of the bitmap's own table when it is that small, else of palette
// (when given and it fits), else of the standard table of that depth. False when the bitmap can't
// be read, leaving bits as they were.
bool ReadDibBits(HBITMAP bitmap, HPALETTE palette, BITMAPINFO& info, void* bits, TColorDepth depth);
