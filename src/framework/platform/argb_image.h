#pragma once

#include <cstdint>
#include <vector>

// A picture as windows and cursors take it from the framework: rows from the top, one 32-bit
// pixel each, 0xAARRGGBB with straight (not premultiplied) alpha.
struct TArgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height values

  bool Empty() const { return width <= 0 || height <= 0; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
