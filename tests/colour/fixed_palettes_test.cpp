#include <gtest/gtest.h>

#include "colour/nearest_level.h"
#include "colour/reduce_pixels.h"
#include "dib_fixture.h"

using namespace colour_test;

namespace {

// Reduces a one-row picture of the given colours in place; returns the indexes.
std::vector<std::uint8_t> ReduceRow(TReductionMethod method, const std::vector<Rgb>& colors,
                                    Palette& palette) {
  Dib24 dib(static_cast<int>(colors.size()), 1, [&](int x, int) { return colors[x]; });
  ReducePixels(method, dib.header, dib.pixels.data(), dib.pixels.data(), palette);
  std::vector<std::uint8_t> indexes;
  for (int x = 0; x < static_cast<int>(colors.size()); ++x)
    indexes.push_back(dib.IndexAt(x, 0));
  return indexes;
}

TEST(NearestLevelMaps, TiesGoToTheLowerLevel) {
  const TNearestLevelMaps& maps = NearestLevelMaps();
  struct Case {
    const TNearestLevelMap& map;
    int value;
    int level;
  };
  const Case cases[] = {
      {maps.of7, 64, 1},  {maps.of7, 65, 2},  {maps.of7, 149, 3}, {maps.of7, 234, 5},
      {maps.of8, 18, 0},  {maps.of8, 19, 1},  {maps.of8, 91, 2},  {maps.of8, 164, 4},
      {maps.of8, 237, 6}, {maps.of4, 42, 0},  {maps.of4, 43, 1},  {maps.of6, 25, 0},
      {maps.of6, 26, 1},  {maps.of6, 255, 5}, {maps.of7, 0, 0},   {maps.of8, 255, 7},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.map[c.value], c.level) << "value " << c.value;
}

TEST(FixedPalettes, OneColourUnderEachMethod) {
  struct Case {
    TReductionMethod method;
    std::vector<std::uint8_t> indexes;  // for (x + y) mod 3 = 0, 1, 2
    RGBQUAD entry;                      // of the first index
  };
  const Case cases[] = {
      {TReductionMethod::rmUniform666, {157, 157, 157}, Quad(204, 102, 51)},
      {TReductionMethod::rmUniform784, {172, 172, 172}, Quad(213, 109, 0)},
      {TReductionMethod::rmGrayscale, {122, 122, 122}, Quad(122, 122, 122)},
      {TReductionMethod::rmTriplet, {50, 89, 135}, Quad(200, 0, 0)},
  };
  for (const Case& c : cases) {
    Palette palette;
    EXPECT_EQ(ReduceRow(c.method, {{200, 100, 30}, {200, 100, 30}, {200, 100, 30}}, palette),
              c.indexes)
        << static_cast<int>(c.method);
    EXPECT_EQ(palette[c.indexes[0]], c.entry) << static_cast<int>(c.method);
  }
}

TEST(FixedPalettes, GreyLevelsOfPrimaries) {
  Palette palette;
  EXPECT_EQ(ReduceRow(TReductionMethod::rmGrayscale,
                      {{255, 255, 255}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0}}, palette),
            (std::vector<std::uint8_t>{255, 76, 149, 28, 0}));
  EXPECT_EQ(palette[76], Quad(76, 76, 76));
}

TEST(FixedPalettes, EntriesBeyondTheUniformPalettesAreMidGrey) {
  for (const auto method : {TReductionMethod::rmUniform666, TReductionMethod::rmUniform784}) {
    Palette palette;
    const std::size_t used = method == TReductionMethod::rmUniform666 ? 216 : 224;
    ReduceRow(method, {{1, 2, 3}}, palette);
    EXPECT_EQ(palette[used - 1], Quad(255, 255, 255));
    EXPECT_EQ(palette[used], Quad(128, 128, 128, 128));
    EXPECT_EQ(palette[255], Quad(128, 128, 128, 128));
  }
}

TEST(FixedPalettes, TripletTurnsGreyIntoADiagonalPattern) {
  Palette palette;
  Dib24 dib(5, 3, [](int, int) { return Rgb{128, 128, 128}; });
  ReducePixels(TReductionMethod::rmTriplet, dib.header, dib.pixels.data(), dib.pixels.data(),
               palette);
  const std::uint8_t red = 32, green = 64 + 32, blue = 128 + 32;
  const std::uint8_t expected[3][5] = {{red, green, blue, red, green},
                                       {green, blue, red, green, blue},
                                       {blue, red, green, blue, red}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(dib.IndexAt(x, y), expected[y][x]) << x << "," << y;
  }
  EXPECT_EQ(palette[green], Quad(0, 128, 0));
  EXPECT_EQ(palette[200], Quad(0, 0, 0));
}

}  // namespace
