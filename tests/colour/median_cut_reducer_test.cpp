#include <gtest/gtest.h>

#include <string>

#include "colour/median_cut_reducer.h"
#include "colour/median_cut_sort.h"
#include "dib_fixture.h"

using namespace colour_test;

namespace {

// Items "key id": the sort may only look at the key.
std::string Sorted(std::string items) {
  MedianCutSort(std::span(items), [](char item) { return item >= 'a' ? 0 : item - '0'; });
  return items;
}

TEST(MedianCutSort, EqualKeysEndWhereTheSortLeavesThem) {
  // Insertion sort below 8 items: each item passes every earlier one with an equal key.
  EXPECT_EQ(Sorted("abc"), "cba");
  EXPECT_EQ(Sorted("2a1b"), "ba12");
  // From 8 items on, a partition around the middle item's key: equal items swap pairwise from
  // both ends, then each half is sorted alone.
  EXPECT_EQ(Sorted("abcdefgh"), "efghabcd");
  EXPECT_EQ(Sorted("9876543210"), "0123456789");
  EXPECT_EQ(Sorted("31a2b1c3d2e"), "bcade112233");
}

struct CutResult {
  int colors;
  Palette palette;
};

CutResult Cut(Dib24& dib) {
  CutResult result{256, {}};
  result.palette.fill(Quad(9, 9, 9, 9));
  ReduceMedianCut(dib.header, dib.pixels.data(), dib.pixels.data(), result.colors, result.palette);
  return result;
}

TEST(MedianCut, OneColourGivesOneEntryAtTheTopOfItsCell) {
  struct Case {
    Rgb color;
    RGBQUAD entry;
  };
  const Case cases[] = {
      {{255, 255, 255}, Quad(255, 255, 255)},
      {{0, 0, 0}, Quad(0, 0, 0)},  // (15, 15, 15) is taken for black
      {{17, 5, 0}, Quad(31, 15, 15)},
      {{200, 100, 30}, Quad(207, 111, 31)},
  };
  for (const Case& c : cases) {
    Dib24 dib(3, 2, [&](int, int) { return c.color; });
    const CutResult result = Cut(dib);
    EXPECT_EQ(result.colors, 1);
    EXPECT_EQ(result.palette[0], c.entry);
    for (std::size_t i = 1; i < 256; ++i)
      ASSERT_EQ(result.palette[i], RGBQUAD{}) << i;
    EXPECT_EQ(dib.IndexAt(2, 1), 0);
  }
}

TEST(MedianCut, RedAndBlueSplitOnRedFirst) {
  Dib24 dib(4, 3, [](int x, int y) { return (x + y) % 2 ? Rgb{255, 0, 0} : Rgb{0, 0, 255}; });
  const CutResult result = Cut(dib);
  EXPECT_EQ(result.colors, 2);
  EXPECT_EQ(result.palette[0], Quad(15, 15, 255));
  EXPECT_EQ(result.palette[1], Quad(255, 15, 15));
  EXPECT_EQ(result.palette[2], RGBQUAD{});
  EXPECT_EQ(dib.IndexAt(0, 0), 0);
  EXPECT_EQ(dib.IndexAt(1, 0), 1);
}

// Boxes are cut until the wanted count; each entry is the unweighted mean of its cells.
TEST(MedianCut, FourGreyCellsInTwoBoxes) {
  // Cells of grey 0, 1, 2 and 3 (4-bit); the first holds most pixels.
  Dib24 dib(8, 1, [](int x, int) {
    const std::uint8_t level[] = {0, 0, 0, 0, 0, 1, 2, 3};
    const auto v = static_cast<std::uint8_t>(16 * level[x]);
    return Rgb{v, v, v};
  });
  CutResult result{2, {}};
  ReduceMedianCut(dib.header, dib.pixels.data(), dib.pixels.data(), result.colors, result.palette);
  EXPECT_EQ(result.colors, 2);
  // Half of 8 pixels is 4: the lower box keeps cell 0 alone (5 pixels) but must keep one.
  EXPECT_EQ(result.palette[0], RGBQUAD{});         // (15, 15, 15) is taken for black
  EXPECT_EQ(result.palette[1], Quad(37, 37, 37));  // ((1 + 2 + 3) x 16 + 15) div 3 cells
  EXPECT_EQ(dib.IndexAt(4, 0), 0);
  EXPECT_EQ(dib.IndexAt(5, 0), 1);
}

TEST(MedianCut, NoPixelsGiveNoColours) {
  Dib24 dib(0, 0, [](int, int) { return Rgb{}; });
  const CutResult result = Cut(dib);
  EXPECT_EQ(result.colors, 0);
  for (const RGBQUAD& entry : result.palette)
    ASSERT_EQ(entry, RGBQUAD{});
}

}  // namespace
