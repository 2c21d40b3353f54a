#include "test_pixels.h"

#include <random>

std::vector<std::uint8_t> RandomPixels(std::size_t count, int colors, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> pixels(count);
  for (std::size_t i = 0; i < count; ++i) {
    pixels[i] =
        i > 0 && random() % 3 != 0 ? pixels[i - 1] : static_cast<std::uint8_t>(random() % colors);
  }
  return pixels;
}
