#include <gtest/gtest.h>

#include "colour/reduce_pixels.h"
#include "dib_fixture.h"

using namespace colour_test;

namespace {

constexpr TReductionMethod kMethods[] = {
    TReductionMethod::rmPopularity, TReductionMethod::rmMedianCut, TReductionMethod::rmUniform784,
    TReductionMethod::rmUniform666, TReductionMethod::rmTriplet,   TReductionMethod::rmGrayscale};

Rgb Scrambled(int x, int y) {
  const auto v = static_cast<std::uint32_t>(x * 7919 + y * 104729) * 2654435761u;
  return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
          static_cast<std::uint8_t>(v >> 8)};
}

// Every method is run on the buffer it reads; that must give what a separate target gets, with
// zero row padding.
TEST(ReducePixels, InPlaceEqualsSeparateTarget) {
  for (const TReductionMethod method : kMethods) {
    Dib24 dib(37, 29, Scrambled);
    const TReductionRows rows = TReductionRows::Of(dib.header);
    std::vector<std::uint8_t> separate(rows.targetStride * 29, 0xAA);
    Palette separatePalette, inPlacePalette;
    ReducePixels(method, dib.header, dib.pixels.data(), separate.data(), separatePalette);
    ReducePixels(method, dib.header, dib.pixels.data(), dib.pixels.data(), inPlacePalette);
    const std::vector<std::uint8_t> inPlace(dib.pixels.begin(),
                                            dib.pixels.begin() + separate.size());
    EXPECT_EQ(inPlace, separate) << static_cast<int>(method);
    EXPECT_EQ(inPlacePalette, separatePalette) << static_cast<int>(method);
    for (int y = 0; y < 29; ++y) {
      for (std::size_t x = 37; x < rows.targetStride; ++x)
        EXPECT_EQ(separate[rows.targetStride * y + x], 0) << static_cast<int>(method);
    }
  }
}

}  // namespace
