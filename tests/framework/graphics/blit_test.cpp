// Copying between depths and scaling: the conversions and stretch modes of BitBlt and StretchBlt.
#include <gtest/gtest.h>

#include "framework/graphics/gdi.h"
#include "test_surface.h"

using graphics_test::Surface;

TEST(ColorConversion, ColourToMonochromeMarksTheSourceBackgroundColour) {
  Surface source(3, 1, 32), mask(3, 1, 1);
  source.Set(0, 0, clFuchsia);
  source.Set(1, 0, clWhite);
  source.Set(2, 0, RGB(255, 0, 254));  // close to the key, but not it
  SetBkColor(source.dc(), clFuchsia);
  BitBlt(mask.dc(), 0, 0, 3, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(mask.bitmap().Pixel(0, 0), 1u);
  EXPECT_EQ(mask.bitmap().Pixel(1, 0), 0u);
  EXPECT_EQ(mask.bitmap().Pixel(2, 0), 0u);
}

TEST(ColorConversion, IndexedColourToMonochromeComparesColours) {
  TColorTable table{};
  table[0] = clRed;
  table[1] = clFuchsia;
  table[2] = clFuchsia;
  Surface source(3, 1, 8, table), mask(3, 1, 1);
  for (int x = 0; x < 3; ++x)
    source.bitmap().SetPixel(x, 0, static_cast<std::uint32_t>(x));
  SetBkColor(source.dc(), clFuchsia);
  BitBlt(mask.dc(), 0, 0, 3, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(mask.bitmap().Pixel(0, 0), 0u);
  EXPECT_EQ(mask.bitmap().Pixel(1, 0), 1u);
  EXPECT_EQ(mask.bitmap().Pixel(2, 0), 1u);
}

TEST(ColorConversion, MonochromeToColourUsesTheDestinationTextAndBackground) {
  Surface mask(2, 1, 1), destination(2, 1, 32);
  mask.bitmap().SetPixel(0, 0, 0);
  mask.bitmap().SetPixel(1, 0, 1);
  SetTextColor(destination.dc(), clNavy);
  SetBkColor(destination.dc(), clYellow);
  SetTextColor(mask.dc(), clRed);  // the source's own colours play no part
  SetBkColor(mask.dc(), clGreen);
  BitBlt(destination.dc(), 0, 0, 2, 1, mask.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(destination.At(0, 0), clNavy);
  EXPECT_EQ(destination.At(1, 0), clYellow);
}

TEST(ColorConversion, MonochromeToMonochromeCopiesBits) {
  Surface from(2, 1, 1), to(2, 1, 1);
  from.bitmap().SetPixel(1, 0, 1);
  SetTextColor(to.dc(), clWhite);
  SetBkColor(to.dc(), clBlack);
  BitBlt(to.dc(), 0, 0, 2, 1, from.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(to.bitmap().Pixel(0, 0), 0u);
  EXPECT_EQ(to.bitmap().Pixel(1, 0), 1u);
}

TEST(ColorConversion, TrueColourToIndexedTakesTheNearestEntry) {
  TColorTable table{};
  table[0] = clBlack;
  table[1] = RGB(200, 0, 0);
  table[2] = RGB(0, 0, 200);
  Surface source(2, 1, 24), destination(2, 1, 8, table);
  source.Set(0, 0, RGB(180, 10, 10));
  source.Set(1, 0, RGB(10, 10, 250));
  BitBlt(destination.dc(), 0, 0, 2, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(destination.bitmap().Pixel(0, 0), 1u);
  EXPECT_EQ(destination.bitmap().Pixel(1, 0), 2u);
}

namespace {

// A 4 x 1 source with distinct colours 10, 20, 30, 40 in red.
void FillRamp(Surface& source) {
  for (int x = 0; x < source.bitmap().Width(); ++x)
    source.Set(x, 0, RGB(static_cast<std::uint8_t>(10 * (x + 1)), 0, 0));
}

}  // namespace

TEST(Stretch, EnlargingRepeatsPixels) {
  Surface source(2, 2, 32), destination(4, 4, 32);
  source.Set(0, 0, clRed);
  source.Set(1, 0, clLime);
  source.Set(0, 1, clBlue);
  source.Set(1, 1, clWhite);
  SetStretchBltMode(destination.dc(), COLORONCOLOR);
  StretchBlt(destination.dc(), 0, 0, 4, 4, source.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(destination.At(1, 1), clRed);
  EXPECT_EQ(destination.At(2, 0), clLime);
  EXPECT_EQ(destination.At(0, 3), clBlue);
  EXPECT_EQ(destination.At(3, 3), clWhite);
}

TEST(Stretch, ShrinkingWithColorOnColorDropsPixels) {
  Surface source(4, 1, 32), destination(2, 1, 32);
  FillRamp(source);
  SetStretchBltMode(destination.dc(), COLORONCOLOR);
  StretchBlt(destination.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(destination.At(0, 0), RGB(10, 0, 0));
  EXPECT_EQ(destination.At(1, 0), RGB(30, 0, 0));
}

TEST(Stretch, ShrinkingByDefaultAndsDroppedPixelsAndWhiteOnBlackOrsThem) {
  Surface source(2, 2, 1), blackOnWhite(1, 1, 1), whiteOnBlack(1, 1, 1);
  source.bitmap().Fill(1);
  source.bitmap().SetPixel(1, 1, 0);  // one black pixel among white ones
  StretchBlt(blackOnWhite.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(blackOnWhite.bitmap().Pixel(0, 0), 0u);
  SetStretchBltMode(whiteOnBlack.dc(), WHITEONBLACK);
  StretchBlt(whiteOnBlack.dc(), 0, 0, 1, 1, source.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(whiteOnBlack.bitmap().Pixel(0, 0), 1u);
}

TEST(Stretch, OppositeSignsMirror) {
  Surface source(4, 1, 32), destination(4, 1, 32);
  FillRamp(source);
  StretchBlt(destination.dc(), 3, 0, -4, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(destination.At(0, 0), RGB(40, 0, 0));
  EXPECT_EQ(destination.At(3, 0), RGB(10, 0, 0));
}

TEST(Stretch, SourceOutsideItsBitmapLeavesTheDestination) {
  Surface source(2, 1, 32), destination(4, 1, 32);
  source.Fill(clRed);
  destination.Fill(clBlue);
  BitBlt(destination.dc(), 0, 0, 4, 1, source.dc(), -1, 0, SRCCOPY);
  EXPECT_EQ(destination.At(0, 0), clBlue);
  EXPECT_EQ(destination.At(1, 0), clRed);
  EXPECT_EQ(destination.At(2, 0), clRed);
  EXPECT_EQ(destination.At(3, 0), clBlue);
}

TEST(Stretch, HugeDestinationRectanglesCostOnlyTheVisiblePart) {
  Surface source(2, 2, 32), destination(3, 3, 32);
  source.Fill(clRed);
  EXPECT_TRUE(StretchBlt(destination.dc(), -2000000000, -2000000000, 2100000000, 2100000000,
                         source.dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(destination.At(1, 1), clRed);
  EXPECT_TRUE(
      StretchBlt(destination.dc(), 0, 0, -2147483647 - 1, 3, source.dc(), 0, 0, 2, 2, SRCCOPY));
}
