#include "colour/uniform_palette.h"

#include <algorithm>

#include "colour/nearest_level.h"

namespace {

constexpr RGBQUAD kUnusedEntry = {0x80, 0x80, 0x80, 0x80};

// Fills the entries red x greens x blues + green x blues + blue from three level tables.
template <std::size_t Reds, std::size_t Greens, std::size_t Blues>
void FillUniformPalette(const std::array<std::uint8_t, Reds>& reds,
                        const std::array<std::uint8_t, Greens>& greens,
                        const std::array<std::uint8_t, Blues>& blues, TReducedPalette palette) {
  std::fill(palette.begin(), palette.end(), kUnusedEntry);
  std::size_t entry = 0;
  for (const std::uint8_t red : reds) {
    for (const std::uint8_t green : greens) {
      for (const std::uint8_t blue : blues)
        palette[entry++] = {blue, green, red, 0};
    }
  }
}

}  // namespace

void ReduceUniform666(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                      std::uint8_t* target, TReducedPalette palette) {
  FillUniformPalette(kLevels6, kLevels6, kLevels6, palette);
  const TNearestLevelMap& level = NearestLevelMaps().of6;
  MapPixels(TReductionRows::Of(header), source, target,
            [&level](const std::uint8_t* pixel, int, int) {
              return static_cast<std::uint8_t>(level[pixel[2]] * 36 + level[pixel[1]] * 6 +
                                               level[pixel[0]]);
            });
}

void ReduceUniform784(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                      std::uint8_t* target, TReducedPalette palette) {
  FillUniformPalette(kLevels7, kLevels8, kLevels4, palette);
  const TNearestLevelMaps& maps = NearestLevelMaps();
  MapPixels(TReductionRows::Of(header), source, target,
            [&maps](const std::uint8_t* pixel, int, int) {
              return static_cast<std::uint8_t>(maps.of7[pixel[2]] * 32 + maps.of8[pixel[1]] * 4 +
                                               maps.of4[pixel[0]]);
            });
}
