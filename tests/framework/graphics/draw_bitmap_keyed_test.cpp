#include "framework/graphics/draw_bitmap_keyed.h"

#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"

namespace {

// A 32-bit bitmap of the given size filled with one colour.
void Make(TBitmap& bitmap, int width, int height, TColor fill) {
  bitmap.SetSize(width, height);
  bitmap.Canvas().Brush().SetColor(fill);
  bitmap.Canvas().FillRect(Rect(0, 0, width, height));
}

// A 3 x 2 picture: key colour in the first column, red, then blue.
void MakePicture(TBitmap& picture, TColor key) {
  Make(picture, 3, 2, key);
  for (int y = 0; y < 2; ++y) {
    picture.Canvas().SetPixel(1, y, clRed);
    picture.Canvas().SetPixel(2, y, clBlue);
  }
}

// The colours of one row of a canvas, from x for count pixels.
std::vector<TColor> Row(TCanvas& canvas, int y, int x, int count) {
  std::vector<TColor> colours;
  for (int i = 0; i < count; ++i)
    colours.push_back(canvas.Pixel(x + i, y));
  return colours;
}

using Colours = std::vector<TColor>;

}  // namespace

TEST(DrawBitmapKeyed, SizesOfZeroOrLessTakeTheBitmapsAndTheWholeSource) {
  TBitmap picture, target;
  MakePicture(picture, clFuchsia);
  Make(target, 5, 3, clGreen);
  // Source width 0: the whole bitmap from (0, 0), whatever x says; destination sizes 0 and -1:
  // the bitmap's own.
  DrawBitmapKeyed(target.Canvas(), picture, clFuchsia, 1, 1, 0, -1, 2, 1, 0, 5);
  EXPECT_EQ(Row(target.Canvas(), 0, 0, 5), Colours(5, clGreen));
  EXPECT_EQ(Row(target.Canvas(), 1, 0, 5), (Colours{clGreen, clGreen, clRed, clBlue, clGreen}));
  EXPECT_EQ(Row(target.Canvas(), 2, 0, 5), (Colours{clGreen, clGreen, clRed, clBlue, clGreen}));
}

TEST(DrawBitmapKeyed, AStretchedPartOfTheBitmap) {
  TBitmap picture, target;
  MakePicture(picture, clFuchsia);
  Make(target, 6, 1, clGreen);
  DrawBitmapRectKeyed(target.Canvas(), 0, 0, 6, 1, Rect(0, 0, 2, 1), picture, clFuchsia);
  EXPECT_EQ(Row(target.Canvas(), 0, 0, 6),
            (Colours{clGreen, clGreen, clGreen, clRed, clRed, clRed}));
}

TEST(DrawBitmapKeyed, ColourBitmapsShrinkByDroppingPixelsNotBlendingThem) {
  TBitmap picture, target;
  Make(picture, 2, 1, clRed);
  picture.Canvas().SetPixel(1, 0, clBlue);
  Make(target, 1, 1, clGreen);
  // Left alone, the canvas's stretch mode would AND red and blue into black.
  for (const TColor key : {clNone, clFuchsia}) {
    target.Canvas().FillRect(Rect(0, 0, 1, 1));
    SetStretchBltMode(target.Canvas().Handle(), BLACKONWHITE);
    DrawBitmapKeyed(target.Canvas(), picture, key, 0, 0, 1, 1, 0, 0, 2, 1);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(GetStretchBltMode(target.Canvas().Handle()), COLORONCOLOR);
  }
}

TEST(DrawBitmapKeyed, WithoutAKeyTheCanvasCopyModeApplies) {
  TBitmap picture, target;
  MakePicture(picture, clFuchsia);
  Make(target, 3, 1, clLime);
  target.Canvas().SetCopyMode(SRCPAINT);
  DrawBitmapKeyed(target.Canvas(), picture, clNone, 0, 0, 3, 1, 0, 0, 3, 1);
  EXPECT_EQ(Row(target.Canvas(), 0, 0, 3), (Colours{clWhite, clYellow, clAqua}));
}

TEST(DrawBitmapKeyed, AMonochromeBitmapIsKeyedOnWhiteWhateverTheKey) {
  TBitmap picture, target;
  picture.SetMonochrome(true);
  Make(picture, 2, 1, clWhite);
  picture.Canvas().SetPixel(1, 0, clBlack);
  ASSERT_TRUE(picture.Monochrome());
  Make(target, 2, 1, clGreen);
  DrawBitmapKeyed(target.Canvas(), picture, clBlack, 0, 0, 2, 1, 0, 0, 2, 1);
  EXPECT_EQ(Row(target.Canvas(), 0, 0, 2), (Colours{clGreen, clBlack}));
  EXPECT_EQ(GetStretchBltMode(target.Canvas().Handle()), BLACKONWHITE);
}

TEST(DrawBitmapKeyed, ASystemColourKeyIsResolved) {
  TBitmap picture, target;
  MakePicture(picture, ColorToRGB(clWindow));
  Make(target, 3, 1, clGreen);
  DrawBitmapKeyed(target.Canvas(), picture, clWindow, 0, 0, 3, 1, 0, 0, 3, 1);
  EXPECT_EQ(Row(target.Canvas(), 0, 0, 3), (Colours{clGreen, clRed, clBlue}));
}

TEST(DrawBitmapKeyed, TheBitmapsChangeNotificationIsBackAfterwards) {
  TBitmap picture, target;
  MakePicture(picture, clFuchsia);
  Make(target, 3, 1, clGreen);
  int changing = 0;
  picture.Canvas().SetOnChanging([&](TObject*) { ++changing; });
  DrawBitmapKeyed(target.Canvas(), picture, clFuchsia, 0, 0, 3, 1, 0, 0, 3, 1);
  EXPECT_EQ(changing, 0);
  picture.Canvas().SetPixel(0, 0, clBlack);
  EXPECT_EQ(changing, 1);
}

TEST(DrawBitmapKeyed, AnEmptyBitmapDrawsNothing) {
  TBitmap picture, target;
  Make(target, 2, 2, clGreen);
  for (const TColor key : {clNone, clFuchsia}) {
    DrawBitmapKeyed(target.Canvas(), picture, key, 0, 0, 2, 2, 0, 0, 0, 0);
    EXPECT_EQ(Row(target.Canvas(), 0, 0, 2), Colours(2, clGreen));
  }
}
