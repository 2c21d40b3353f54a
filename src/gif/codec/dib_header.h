#pragma once

#include <cstdint>

#include "gif/codec/color_table.h"

class TStream;

// What the LZW coders need of a bitmap's info header.
struct TDibInfo {
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: rows are stored bottom-up
  std::uint16_t bitCount = 8;
};

inline constexpr int kDibFileHeaderSize = 14;
inline constexpr int kDibInfoHeaderSize = 40;

// Writes the BMP file header, the 40-byte info header and the first 2^bitCount entries of
// palette: the start of a bitmap file image whose pixel rows (imageSize bytes) follow directly.
void WriteDibHeaders(TStream& stream, const TDibInfo& info, std::int64_t imageSize,
                     const RgbQuadPalette& palette);
