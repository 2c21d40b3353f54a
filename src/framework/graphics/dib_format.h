#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/graphics/color.h"

class TStream;

// The device-independent bitmap layout, as bitmap file images (BMP files, what the GIF codec
// decodes frames to, what the colour reduction produces) and icon images store it: its records,
// and the one writer of its headers. Readers of such data from outside parse it with ReadDibInfo
// (dib_reader.h); row sizes and the size cap are pixel_buffer's.

enum : std::uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

// The 40-byte info header.
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

// A colour table entry.
struct RGBQUAD {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
  bool operator==(const RGBQUAD&) const = default;
};
static_assert(sizeof(RGBQUAD) == 4);

inline RGBQUAD ColorToQuad(TColor rgb) {
  return {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb), 0};
}
inline TColor QuadToColor(const RGBQUAD& quad) {
  return RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
}

// The file header that starts a bitmap file image: "BM", the file size, two reserved words and the
// offset of the pixel rows.
inline constexpr std::size_t kBmpFileHeaderBytes = 14;

// Writes the info header, then the colour table (little-endian, as stored).
void WriteDibHeader(TStream& stream, const BITMAPINFOHEADER& info,
                    std::span<const RGBQUAD> colorTable);

// Writes the start of a bitmap file image: the file header, the info header and the colour table.
// The pixel rows, info.biSizeImage bytes, are to follow directly.
void WriteBmpHeaders(TStream& stream, const BITMAPINFOHEADER& info,
                     std::span<const RGBQUAD> colorTable);
