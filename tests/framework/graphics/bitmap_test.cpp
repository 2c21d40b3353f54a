#include "framework/graphics/bitmap.h"

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/metafile.h"

namespace {

TColor PixelOf(TBitmap& bitmap, int x, int y) {
  return bitmap.Canvas().Pixel(x, y);
}

}  // namespace

TEST(Bitmap, SizingKeepsContentAndFillsTheRestWithTheBrush) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SetWidth(3);
  EXPECT_TRUE(bitmap.Empty());  // still no height
  bitmap.SetHeight(2);
  ASSERT_FALSE(bitmap.Empty());
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pfDevice);
  EXPECT_EQ(bitmap.Handle()->BitsPerPixel(), 32);
  EXPECT_EQ(PixelOf(bitmap, 2, 1), clWhite);
  bitmap.Canvas().SetPixel(0, 0, clNavy);
  bitmap.Canvas().Brush().SetColor(clFuchsia);
  bitmap.SetSize(5, 4);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clNavy);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clWhite);
  EXPECT_EQ(PixelOf(bitmap, 4, 3), clFuchsia);
  EXPECT_THROW(bitmap.SetSize(100000, 100000), EOutOfResources);
}

TEST(Bitmap, ChangesAreAnnouncedAfterTheModifiedFlagIsSet) {
  TBitmap bitmap;
  int changes = 0;
  bitmap.SetOnChange([&](TObject* sender) {
    EXPECT_EQ(sender, &bitmap);
    EXPECT_TRUE(bitmap.Modified());
    ++changes;
  });
  bitmap.SetSize(2, 2);
  bitmap.Canvas().FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(changes, 2);
  bitmap.SetSize(2, 2);  // unchanged: no notification
  EXPECT_EQ(changes, 2);
}

TEST(Bitmap, AssignedBitmapsShareUntilOneIsDrawnOn) {
  TBitmap a, b;
  a.SetSize(2, 2);
  a.Canvas().SetPixel(1, 1, clRed);
  b.Assign(&a);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(PixelOf(b, 1, 1), clRed);
  b.Canvas().SetPixel(1, 1, clBlue);
  EXPECT_EQ(PixelOf(a, 1, 1), clRed);
  EXPECT_EQ(PixelOf(b, 1, 1), clBlue);
  // Through a surface taken from the canvas directly, too.
  TBitmap c;
  c.Assign(&a);
  SetPixel(c.Canvas().Handle(), 0, 0, clLime);
  EXPECT_NE(PixelOf(a, 0, 0), clLime);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, TheCanvasAnnouncesChangesBeforeDrawingAndTheHandlerCanBeSwitchedOff) {
  TBitmap bitmap;
  bitmap.SetSize(1, 1);
  TNotifyEvent handler = bitmap.Canvas().OnChanging();
  ASSERT_TRUE(static_cast<bool>(handler));
  bitmap.Canvas().SetOnChanging(nullptr);
  bitmap.Canvas().FillRect(Rect(0, 0, 1, 1));
  bitmap.Canvas().SetOnChanging(handler);
  EXPECT_TRUE(static_cast<bool>(bitmap.Canvas().OnChanging()));
}

TEST(Bitmap, IconsAndMetafilesCannotBeAssigned) {
  TBitmap bitmap;
  TIcon icon;
  TMetafile metafile;
  try {
    bitmap.Assign(&icon);
    ADD_FAILURE();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TIcon to a TBitmap");
  }
  EXPECT_THROW(bitmap.Assign(&metafile), EConvertError);
}

TEST(Bitmap, PixelFormatAndMonochromeConvertTheContent) {
  TBitmap bitmap;
  bitmap.SetSize(3, 1);
  bitmap.Canvas().SetPixel(0, 0, RGB(250, 10, 10));
  bitmap.Canvas().SetPixel(1, 0, clWhite);
  bitmap.Canvas().SetPixel(2, 0, RGB(200, 200, 200));
  bitmap.SetPixelFormat(TPixelFormat::pf8bit);
  EXPECT_EQ(bitmap.Handle()->BitsPerPixel(), 8);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);  // nearest in the default 8-bit table

  bitmap.SetMonochrome(true);
  EXPECT_TRUE(bitmap.Monochrome());
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf1bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clBlack);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clWhite);  // only the background colour (white) stays white
  EXPECT_EQ(PixelOf(bitmap, 2, 0), clBlack);
  bitmap.SetMonochrome(false);
  EXPECT_EQ(bitmap.Handle()->BitsPerPixel(), 32);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clWhite);
}

TEST(Bitmap, MonochromeBitmapsDrawBlackAndWhiteWhateverTheTargetColours) {
  TBitmap mono, target;
  mono.SetMonochrome(true);
  mono.SetSize(2, 1);
  mono.Canvas().SetPixel(0, 0, clBlack);
  target.SetSize(2, 1);
  SetTextColor(target.Canvas().Handle(), clRed);
  SetBkColor(target.Canvas().Handle(), clBlue);
  mono.Draw(target.Canvas(), Rect(0, 0, 2, 1));
  EXPECT_EQ(PixelOf(target, 0, 0), clBlack);
  EXPECT_EQ(PixelOf(target, 1, 0), clWhite);
  EXPECT_EQ(GetTextColor(target.Canvas().Handle()), clRed);  // restored
}

TEST(Bitmap, StreamsAtItsOwnDepthWithPaletteAndStoredData) {
  TBitmap source;
  source.SetPixelFormat(TPixelFormat::pf8bit);
  source.SetSize(4, 3);
  source.Canvas().SetPixel(2, 1, clTeal);
  TMemoryStream file;
  source.SaveToStream(file);
  EXPECT_EQ(file.Size(), 14 + 40 + 1024 + 12);
  file.SetPosition(0);
  TBitmap read;
  read.LoadFromStream(file);
  EXPECT_EQ(read.PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_EQ(PixelOf(read, 2, 1), clTeal);
  ASSERT_NE(read.Palette(), nullptr);
  EXPECT_EQ(read.Palette()->Count(), 256);

  TMemoryStream stored;
  read.WriteData(stored);
  EXPECT_EQ(stored.Size(), 4 + file.Size());
  stored.SetPosition(0);
  TBitmap again;
  again.ReadData(stored);
  EXPECT_TRUE(again.Equals(&read));

  TMemoryStream cut;
  cut.WriteUInt32(500);
  cut.WriteUInt32(0);
  cut.SetPosition(0);
  try {
    again.ReadData(cut);
    ADD_FAILURE();
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Stream read error");
  }

  TMemoryStream empty;
  again.LoadFromStream(empty);
  EXPECT_TRUE(again.Empty());
}

TEST(Bitmap, SettingAPaletteRecoloursAnIndexedBitmap) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(TPixelFormat::pf4bit);
  bitmap.SetSize(1, 1);  // white: entry 15
  std::vector<PALETTEENTRY> entries(16, PALETTEENTRY{});
  entries[15] = {10, 20, 30, 0};
  bitmap.SetPalette(CreatePalette(entries));
  EXPECT_EQ(PixelOf(bitmap, 0, 0), RGB(10, 20, 30));
}
