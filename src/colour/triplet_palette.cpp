#include "colour/triplet_palette.h"

#include <algorithm>

namespace {

constexpr int kRampLength = 64;

}  // namespace

void ReduceTriplet(const BITMAPINFOHEADER& header, const std::uint8_t* source, std::uint8_t* target,
                   TReducedPalette palette) {
  std::fill(palette.begin(), palette.end(), RGBQUAD{});
  for (int i = 0; i < kRampLength; ++i) {
    const auto level = static_cast<std::uint8_t>(4 * i);
    palette[static_cast<std::size_t>(i)].rgbRed = level;
    palette[static_cast<std::size_t>(kRampLength + i)].rgbGreen = level;
    palette[static_cast<std::size_t>(2 * kRampLength + i)].rgbBlue = level;
  }
  MapPixels(TReductionRows::Of(header), source, target,
            [](const std::uint8_t* pixel, int x, int y) {
              // Ramp 0 is red, the pixel's byte 2; ramp 2 is blue, its byte 0.
              const int ramp = (x + y) % 3;
              return static_cast<std::uint8_t>(ramp * kRampLength + (pixel[2 - ramp] >> 2));
            });
}
