#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/graphics/dib_access.h"

// The pixel rows every reducer works on: 24-bit source rows (bytes blue, green, red) and 8-bit
// destination rows of palette indexes, both bottom-up and padded to 4 bytes, sized by the 24-bit
// info header. A destination row is never longer than its source row and each index lands at or
// before the source bytes still to be read, so source and destination may be one buffer.

// The colour table every reducer fills.
using TReducedPalette = std::span<RGBQUAD, 256>;

struct TReductionRows {
  int width = 0;
  int height = 0;
  std::size_t sourceStride = 0;
  std::size_t targetStride = 0;

  // No rows for a header of no width or height; EInvalidGraphic for one no bitmap can have.
  static TReductionRows Of(const BITMAPINFOHEADER& header);
  std::size_t PixelCount() const {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
};

// Writes indexOf(pixel, x, y) for every pixel, rows in storage order, where pixel points at its
// blue, green and red bytes and y counts stored rows from 0. Row padding becomes zero.
template <typename IndexOf>
void MapPixels(const TReductionRows& rows, const std::uint8_t* source, std::uint8_t* target,
               IndexOf&& indexOf) {
  for (int y = 0; y < rows.height; ++y) {
    const std::uint8_t* in = source + rows.sourceStride * static_cast<std::size_t>(y);
    std::uint8_t* out = target + rows.targetStride * static_cast<std::size_t>(y);
    for (int x = 0; x < rows.width; ++x, in += 3)
      out[x] = indexOf(in, x, y);
    // Only now: in a shared buffer the padding overlays this row's last source bytes.
    for (std::size_t x = static_cast<std::size_t>(rows.width); x < rows.targetStride; ++x)
      out[x] = 0;
  }
}
