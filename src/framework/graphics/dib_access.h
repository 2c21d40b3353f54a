#pragma once

#include <cstdint>

#include "framework/graphics/color.h"
#include "framework/graphics/handles.h"

// The device-independent bitmap records and the calls that read a bitmap's description and pixels
// in that form.

enum : std::uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };
enum : unsigned { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1 };

struct BITMAPINFOHEADER {
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 0;
  std::int32_t biHeight = 0;  // positive: rows bottom-up; negative: top-down
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 0;
  std::uint32_t biCompression = BI_RGB;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 0;
  std::int32_t biYPelsPerMeter = 0;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
  bool operator==(const RGBQUAD&) const = default;
};

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

inline RGBQUAD ColorToQuad(TColor rgb) {
  return {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb), 0};
}
inline TColor QuadToColor(const RGBQUAD& quad) {
  return RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
}

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
