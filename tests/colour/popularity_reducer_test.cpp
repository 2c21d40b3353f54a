#include <gtest/gtest.h>

#include "colour/color_hash.h"
#include "colour/popularity_reducer.h"
#include "dib_fixture.h"

using namespace colour_test;

namespace {

void Reduce(Dib24& dib, Palette& palette) {
  ReducePopularity(dib.header, palette, dib.pixels.data(), dib.pixels.data(), 256, 0xFF, 0xFF,
                   0xFF);
}

TEST(ColorHash, SlotsOfBlackAndWhite) {
  EXPECT_EQ(ColorHash(0, 0, 0), 0);
  EXPECT_EQ(ColorHash(255, 255, 255), 186);
}

// Rows in storage order: the first row is met first.
TEST(Popularity, FewColoursKeptExactlyByFrequencyThenFirstMet) {
  const Rgb a{10, 20, 30}, b{200, 100, 0}, c{1, 2, 3}, d{255, 255, 254};
  const Rgb rows[2][4] = {{c, b, a, b}, {a, d, b, c}};
  Dib24 dib(4, 2, [&](int x, int y) { return rows[y][x]; });
  Palette palette;
  Reduce(dib, palette);
  // b three times; c and a twice each, c met first; d once.
  EXPECT_EQ(palette[0], Quad(200, 100, 0));
  EXPECT_EQ(palette[1], Quad(1, 2, 3));
  EXPECT_EQ(palette[2], Quad(10, 20, 30));
  EXPECT_EQ(palette[3], Quad(255, 255, 254));
  for (std::size_t i = 4; i < 256; ++i)
    ASSERT_EQ(palette[i], Quad(128, 128, 128)) << i;
  const std::uint8_t expected[2][4] = {{1, 0, 2, 0}, {2, 3, 0, 1}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(dib.IndexAt(x, y), expected[y][x]) << x << "," << y;
  }
}

// 256 colours twice each and one, near the 7th, once: the last is not kept but mapped.
TEST(Popularity, ColoursBeyondThePaletteTakeTheNearestKeptOne) {
  Dib24 dib(513, 1, [](int x, int) {
    if (x == 512) return Rgb{7, 61, 248};
    const int i = x / 2;
    return Rgb{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 10),
               static_cast<std::uint8_t>(255 - i)};
  });
  Palette palette;
  Reduce(dib, palette);
  EXPECT_EQ(palette[6], Quad(6, 60, 249));
  EXPECT_EQ(dib.IndexAt(511, 0), 255);
  EXPECT_EQ(dib.IndexAt(512, 0), 6);
}

// More than 2049 colours: masks coarsen blue, red, green, blue until they fit.
TEST(Popularity, ManyColoursDropLowBitsBlueThenRedThenGreen) {
  struct Case {
    int greenLevels;  // red and blue take 16 levels each, red varying fastest
    std::uint8_t redMask, greenMask, blueMask;
  };
  const Case cases[] = {
      {16, 0xFF, 0xFF, 0xFE},   // 4096: one drop
      {32, 0xFE, 0xFF, 0xFE},   // 8192: two
      {64, 0xFE, 0xFE, 0xFE},   // 16384: three
      {128, 0xFE, 0xFE, 0xFC},  // 32768: four
  };
  for (const Case& c : cases) {
    const int count = 256 * c.greenLevels;
    Dib24 dib(256, c.greenLevels, [&](int x, int y) {
      const int i = y * 256 + x;
      return Rgb{static_cast<std::uint8_t>(i & 15), static_cast<std::uint8_t>(i >> 8),
                 static_cast<std::uint8_t>(i >> 4 & 15)};
    });
    Palette palette;
    Reduce(dib, palette);
    std::uint8_t reds = 0, greens = 0, blues = 0;
    for (const RGBQUAD& entry : palette) {
      reds |= entry.rgbRed;
      greens |= entry.rgbGreen;
      blues |= entry.rgbBlue;
    }
    // No bit outside a mask, and its lowest bit seen.
    const auto lowest = [](std::uint8_t mask) { return mask & -mask; };
    EXPECT_EQ(reds & ~c.redMask, 0) << count;
    EXPECT_NE(reds & lowest(c.redMask), 0) << count;
    EXPECT_EQ(greens & ~c.greenMask, 0) << count;
    EXPECT_NE(greens & lowest(c.greenMask), 0) << count;
    EXPECT_EQ(blues & ~c.blueMask, 0) << count;
    EXPECT_NE(blues & lowest(c.blueMask), 0) << count;
  }
}

}  // namespace
