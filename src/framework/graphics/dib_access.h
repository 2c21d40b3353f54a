#pragma once

#include <cstdint>

#include "framework/graphics/color.h"
#include "framework/graphics/dib_format.h"
#include "framework/graphics/handles.h"

// The calls that read a bitmap's description and pixels in device-independent form.

enum : unsigned { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1 };

// A header with room for the largest colour table.
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

struct BITMAP {
  std::int32_t bmType = 0;
  std::int32_t bmWidth = 0;
  std::int32_t bmHeight = 0;
  std::int32_t bmWidthBytes = 0;
  std::uint16_t bmPlanes = 0;
  std::uint16_t bmBitsPixel = 0;
  void* bmBits = nullptr;
};

// Fills out with the bitmap's width, height, bytes per row, planes (1) and bits per pixel;
// returns the number of bytes filled, 0 for a null bitmap or a buffer too small.
int GetObject(HBITMAP bitmap, int size, BITMAP* out);

// Copies lines rows of the bitmap, from row start counted from the bottom, into bits at the depth
// info asks for (1, 4, 8, 24 or 32 bits; rows bottom-up unless biHeight is negative, each padded
// to 4 bytes), and fills info's width, height, image size and, below 24 bits, its colour table:
// the bitmap's own table when it has one at most that deep, else the palette selected into dc
// when it fits, else the default table for that depth; each pixel becomes the nearest entry.
// With null bits only the header (and table) is filled, taking the bitmap's own depth when
// biBitCount is 0. bits must hold lines rows. Returns the rows copied (nonzero on success).
int GetDIBits(HDC dc, HBITMAP bitmap, unsigned start, unsigned lines, void* bits, BITMAPINFO* info,
              unsigned usage);
