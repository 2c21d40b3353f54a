#include "framework/graphics/raster_operation.h"

#include <gtest/gtest.h>

#include <random>

#include "framework/graphics/gdi.h"
#include "test_surface.h"

using graphics_test::BrushScope;
using graphics_test::Surface;

namespace {

// Monochrome pixel 1 is white, 0 black.
TColor Mono(int bit) {
  return bit ? clWhite : clBlack;
}

}  // namespace

// Every one of the 256 codes on monochrome pixels: for each pattern bit (the brush) and each pair
// of source and destination bits, the result must be the code's truth-table bit.
TEST(RasterOperation, EveryCodeFollowsItsTruthTableBitByBit) {
  for (int table = 0; table < 256; ++table) {
    for (int p = 0; p < 2; ++p) {
      Surface source(4, 1, 1), destination(4, 1, 1);
      for (int i = 0; i < 4; ++i) {
        source.Set(i, 0, Mono(i >> 1 & 1));
        destination.Set(i, 0, Mono(i & 1));
      }
      BrushScope brush(destination.dc(), Mono(p));
      const auto rop = static_cast<std::uint32_t>(table) << 16;
      ASSERT_TRUE(BitBlt(destination.dc(), 0, 0, 4, 1, source.dc(), 0, 0, rop));
      for (int i = 0; i < 4; ++i) {
        const int s = i >> 1 & 1, d = i & 1;
        const int expected = table >> (p << 2 | s << 1 | d) & 1;
        EXPECT_EQ(destination.At(i, 0), Mono(expected))
            << "table " << table << " p " << p << " s " << s << " d " << d;
      }
    }
  }
}

// The named codes on 32-bit colours, against their formulas worked out per channel.
TEST(RasterOperation, NamedCodesOnTrueColour) {
  const TColor s = RGB(0xF0, 0x3C, 0x55), d = RGB(0xCC, 0x0F, 0xA0), p = RGB(0x81, 0x7E, 0x18);
  auto px = [](std::uint32_t v) { return static_cast<TColor>(v & 0xFFFFFF); };
  const auto S = static_cast<std::uint32_t>(s), D = static_cast<std::uint32_t>(d),
             P = static_cast<std::uint32_t>(p);
  const struct {
    std::uint32_t rop;
    TColor expected;
  } cases[] = {
      {SRCCOPY, s},
      {SRCPAINT, px(S | D)},
      {SRCAND, px(S & D)},
      {SRCINVERT, px(S ^ D)},
      {SRCERASE, px(S & ~D)},
      {NOTSRCCOPY, px(~S)},
      {NOTSRCERASE, px(~(S | D))},
      {MERGECOPY, px(P & S)},
      {MERGEPAINT, px(~S | D)},
      {PATCOPY, p},
      {PATPAINT, px(P | ~S | D)},
      {PATINVERT, px(P ^ D)},
      {DSTINVERT, px(~D)},
      {BLACKNESS, clBlack},
      {WHITENESS, clWhite},
  };
  for (const auto& c : cases) {
    Surface source(1, 1, 32), destination(1, 1, 32);
    source.Fill(s);
    destination.Fill(d);
    BrushScope brush(destination.dc(), p);
    BitBlt(destination.dc(), 0, 0, 1, 1, source.dc(), 0, 0, c.rop);
    EXPECT_EQ(destination.At(0, 0), c.expected) << std::hex << c.rop;
  }
}

TEST(RasterOperation, IndexedResultsStayInsideTheTable) {
  Surface source(2, 1, 8), destination(2, 1, 8);
  source.bitmap().SetPixel(0, 0, 5);
  destination.bitmap().SetPixel(0, 0, 200);
  BitBlt(destination.dc(), 0, 0, 1, 1, source.dc(), 0, 0, NOTSRCCOPY);
  EXPECT_EQ(destination.bitmap().Pixel(0, 0), 250u);  // ~5 within 8 bits
}

// The fast loops for the common codes must give exactly what the bitwise evaluation gives, for
// same-size copies and for stretching in both directions.
TEST(RasterOperation, FastPathsAgreeWithBitwiseEvaluation) {
  std::mt19937 random(7);
  Surface source(23, 17, 32);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 23; ++x)
      source.bitmap().SetPixel(x, y, static_cast<std::uint32_t>(random()));
  const std::uint32_t codes[] = {SRCCOPY, SRCAND,    SRCPAINT,  NOTSRCCOPY, SRCINVERT,
                                 PATCOPY, BLACKNESS, WHITENESS, DSTINVERT};
  const TSize sizes[] = {{23, 17}, {41, 30}, {9, 5}};
  for (const auto rop : codes) {
    for (const auto size : sizes) {
      Surface fast(41, 30, 32), slow(41, 30, 32);
      for (Surface* target : {&fast, &slow}) {
        std::mt19937 same(11);
        for (int y = 0; y < 30; ++y)
          for (int x = 0; x < 41; ++x)
            target->bitmap().SetPixel(x, y, static_cast<std::uint32_t>(same()));
        SetStretchBltMode(target->dc(), COLORONCOLOR);
      }
      BrushScope fastBrush(fast.dc(), RGB(1, 2, 3)), slowBrush(slow.dc(), RGB(1, 2, 3));
      StretchBlt(fast.dc(), 0, 0, size.cx, size.cy, source.dc(), 0, 0, 23, 17, rop);
      SetRasterFastPaths(false);
      StretchBlt(slow.dc(), 0, 0, size.cx, size.cy, source.dc(), 0, 0, 23, 17, rop);
      SetRasterFastPaths(true);
      for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 41; ++x)
          ASSERT_EQ(fast.bitmap().Pixel(x, y), slow.bitmap().Pixel(x, y)) << std::hex << rop;
    }
  }
}

TEST(RasterOperation, CodesWithoutSourceNeedNoSourceSurface) {
  Surface destination(3, 3, 32);
  destination.Fill(clRed);
  BrushScope brush(destination.dc(), clBlue);
  EXPECT_TRUE(BitBlt(destination.dc(), 1, 1, 2, 2, nullptr, 0, 0, PATCOPY));
  EXPECT_EQ(destination.At(0, 0), clRed);
  EXPECT_EQ(destination.At(2, 2), clBlue);
  EXPECT_FALSE(BitBlt(destination.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(RasterOperation, NullBrushLeavesPatternOperationsUndrawn) {
  Surface destination(2, 2, 32);
  destination.Fill(clRed);
  SelectObject(destination.dc(), StockBrush(NULL_BRUSH));
  PatBlt(destination.dc(), 0, 0, 2, 2, PATCOPY);
  EXPECT_EQ(destination.At(1, 1), clRed);
}

TEST(RasterOperation, OverlappingCopyWithinOneBitmapReadsTheOriginal) {
  Surface surface(4, 1, 32);
  for (int x = 0; x < 4; ++x)
    surface.Set(x, 0, RGB(static_cast<std::uint8_t>(x), 0, 0));
  BitBlt(surface.dc(), 1, 0, 3, 1, surface.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(surface.At(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(surface.At(2, 0), RGB(1, 0, 0));
  EXPECT_EQ(surface.At(3, 0), RGB(2, 0, 0));
}
