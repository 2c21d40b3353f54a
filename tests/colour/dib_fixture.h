#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "colour/reduction_rows.h"

namespace colour_test {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// A 24-bit picture as the reducers take it: the info header and rows in storage order (row 0
// first), padded to 4 bytes, with room to be reduced in place.
struct Dib24 {
  BITMAPINFOHEADER header;
  std::vector<std::uint8_t> pixels;

  Dib24(int width, int height, const std::function<Rgb(int x, int y)>& colorAt) {
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = 24;
    const TReductionRows rows = TReductionRows::Of(header);
    pixels.assign(rows.sourceStride * static_cast<std::size_t>(height), 0xEE);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const Rgb rgb = colorAt(x, y);
        std::uint8_t* pixel = &pixels[rows.sourceStride * y + 3 * static_cast<std::size_t>(x)];
        pixel[0] = rgb.blue;
        pixel[1] = rgb.green;
        pixel[2] = rgb.red;
      }
    }
  }

  // The 8-bit index at (x, y) once reduced in place.
  std::uint8_t IndexAt(int x, int y) const {
    return pixels[TReductionRows::Of(header).targetStride * static_cast<std::size_t>(y) +
                  static_cast<std::size_t>(x)];
  }
};

using Palette = std::array<RGBQUAD, 256>;

inline RGBQUAD Quad(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                    std::uint8_t reserved = 0) {
  return {blue, green, red, reserved};
}

}  // namespace colour_test
