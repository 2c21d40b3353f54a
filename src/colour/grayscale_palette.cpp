#include "colour/grayscale_palette.h"

void ReduceGrayscale(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                     std::uint8_t* target, TReducedPalette palette) {
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const auto level = static_cast<std::uint8_t>(i);
    palette[i] = {level, level, level, 0};
  }
  MapPixels(TReductionRows::Of(header), source, target, [](const std::uint8_t* pixel, int, int) {
    return static_cast<std::uint8_t>((77 * pixel[2] + 150 * pixel[1] + 29 * pixel[0]) >> 8);
  });
}
