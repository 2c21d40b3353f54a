#include "framework/graphics/canvas.h"

#include <gtest/gtest.h>

#include <set>

#include "framework/backends/platform_font_rasterizer.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi.h"

namespace {

void UseFonts() {
  if (FontRasterizer() == nullptr) SetFontRasterizer(CreatePlatformFontRasterizer());
}

// A white 32-bit bitmap of the given size.
void Blank(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  bitmap.Canvas().FillRect(Rect(0, 0, width, height));
}

std::set<TColor> ColoursIn(TBitmap& bitmap) {
  std::set<TColor> colours;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      colours.insert(bitmap.Canvas().Pixel(x, y));
  return colours;
}

}  // namespace

TEST(Canvas, ShapesUseThePenAndBrush) {
  TBitmap bitmap;
  Blank(bitmap, 6, 6);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Pen().SetColor(clSilver);
  canvas.Brush().SetColor(clGray);
  canvas.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(canvas.Pixel(1, 1), clSilver);
  EXPECT_EQ(canvas.Pixel(4, 3), clSilver);
  EXPECT_EQ(canvas.Pixel(2, 2), clGray);
  EXPECT_EQ(canvas.Pixel(5, 4), clWhite);

  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Pen().SetColor(clBlack);
  canvas.Rectangle(0, 0, 3, 3);
  EXPECT_EQ(canvas.Pixel(2, 2), clBlack);
  EXPECT_EQ(canvas.Pixel(0, 2), clBlack);
  EXPECT_EQ(canvas.Pixel(1, 1), clSilver);  // not filled

  canvas.MoveTo(0, 5);
  canvas.LineTo(6, 5);
  EXPECT_EQ(canvas.Pixel(5, 5), clBlack);
  EXPECT_EQ(canvas.PenPos(), (TPoint{6, 5}));
  canvas.Pen().SetStyle(TPenStyle::psClear);
  canvas.Brush().SetColor(clNavy);
  canvas.Rectangle(3, 0, 6, 3);  // a clear pen fills one pixel less to the right and bottom
  EXPECT_EQ(canvas.Pixel(4, 1), clNavy);
  EXPECT_EQ(canvas.Pixel(5, 2), clWhite);
}

TEST(Canvas, DrawUsesTheCopyModeAndCanvasesWithoutSurfacesRefuse) {
  TBitmap source, target;
  Blank(source, 2, 2);
  source.Canvas().SetPixel(0, 0, clBlack);
  target.SetSize(2, 2);
  target.Canvas().Brush().SetColor(clRed);
  target.Canvas().FillRect(Rect(0, 0, 2, 2));
  target.Canvas().SetCopyMode(SRCAND);
  target.Canvas().Draw(0, 0, &source);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), clRed);
  TCanvas bare;
  EXPECT_THROW(bare.FillRect(Rect(0, 0, 1, 1)), EInvalidGraphicOperation);
}

TEST(Canvas, TextIsAntialiasedOnTrueColourAndThresholdedOnPalettes) {
  UseFonts();
  TBitmap trueColour, indexed;
  Blank(trueColour, 60, 20);
  indexed.SetPixelFormat(TPixelFormat::pf8bit);
  Blank(indexed, 60, 20);
  for (TBitmap* bitmap : {&trueColour, &indexed}) {
    bitmap->Canvas().Font().SetName("Verdana");
    bitmap->Canvas().Font().SetHeight(-13);
    bitmap->Canvas().Font().SetColor(clBlack);
    bitmap->Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    bitmap->Canvas().TextOut(2, 2, "Quick");
  }
  EXPECT_GT(ColoursIn(trueColour).size(), 3u);  // shades between black and white
  EXPECT_EQ(ColoursIn(indexed), (std::set<TColor>{clBlack, clWhite}));
}

TEST(Canvas, BackgroundModeDecidesWhetherTheCellIsFilled) {
  UseFonts();
  TBitmap bitmap;
  Blank(bitmap, 40, 20);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetColor(clNavy);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.TextOut(0, 0, "i");
  EXPECT_EQ(canvas.Pixel(0, 0), clWhite);  // transparent: the background stays
  canvas.Brush().SetColor(clYellow);       // solid again
  canvas.TextOut(0, 0, "i");
  EXPECT_EQ(canvas.Pixel(0, 0), clYellow);
  const TSize extent = canvas.TextExtent("i");
  EXPECT_EQ(canvas.Pixel(extent.cx, 0), clWhite);
  EXPECT_EQ(canvas.PenPos().x, extent.cx);
}

TEST(Canvas, DrawTextWrapsWordsAndMeasures) {
  UseFonts();
  TBitmap bitmap;
  Blank(bitmap, 200, 100);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetName("Verdana");
  canvas.Font().SetHeight(-11);
  const int lineHeight = canvas.TextHeight("Ag");
  const std::string text = "one two three four five six seven eight";
  TRect box = Rect(0, 0, canvas.TextWidth("one two three") + 1, 0);
  const int height = canvas.DrawText(text, box, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(height, 3 * lineHeight);
  EXPECT_EQ(box.bottom, 3 * lineHeight);
  EXPECT_LE(box.right, canvas.TextWidth("one two three") + 1);

  const auto lines = LayoutLines(canvas.Handle(), "Right-click  the\r\nclock", 1000, true, false);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Right-click  the");
  const auto narrow = LayoutLines(canvas.Handle(), "enormouslylongword x", 5, true, false);
  EXPECT_EQ(narrow, (std::vector<std::string>{"enormouslylongword", "x"}));

  TRect single = Rect(0, 0, 0, 0);
  canvas.DrawText("A&&B &x", single, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(single.right, canvas.TextWidth("A&B x"));
}

TEST(Canvas, DrawingTheSameTextTwiceRasterisesNothingNew) {
  UseFonts();
  TBitmap bitmap;
  Blank(bitmap, 300, 40);
  bitmap.Canvas().Font().SetName("Trebuchet MS");
  bitmap.Canvas().Font().SetHeight(-15);
  bitmap.Canvas().Font().SetStyle(FontStyleBit(fsBold));
  TRect box = Rect(0, 0, 300, 40);
  bitmap.Canvas().DrawText("Designed to be attractive and easy to use,", box, DT_WORDBREAK);
  const auto afterFirst = FontRasterizer()->RasterizedGlyphCount();
  bitmap.Canvas().DrawText("Designed to be attractive and easy to use,", box, DT_WORDBREAK);
  EXPECT_EQ(FontRasterizer()->RasterizedGlyphCount(), afterFirst);
}

TEST(Canvas, UnderlineAndClippedText) {
  UseFonts();
  TBitmap bitmap;
  Blank(bitmap, 50, 30);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetStyle(FontStyleBit(fsUnderline));
  canvas.Font().SetColor(clRed);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.TextRect(Rect(0, 0, 10, 30), 0, 0, "____ ____");
  EXPECT_EQ(canvas.Pixel(20, canvas.TextHeight("x") - 1), clWhite);  // clipped away
  bool red = false;
  for (int y = 0; y < 30; ++y)
    red = red || canvas.Pixel(9, y) == clRed;
  EXPECT_TRUE(red);
}
