// GIF pictures made from other graphics and given to them: bitmaps, icons, metafiles.
#include <gtest/gtest.h>

#include "error_message.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/metafile.h"
#include "gif/codec/extension.h"
#include "gif/picture/gif_image.h"
#include "gif_builder.h"
#include "picture_test_gifs.h"
#include "support/small_icon.h"

namespace {

// A 3 x 2 bitmap of 24 bits: red, green, blue over white, black, grey.
void ColourBitmap(TBitmap& bitmap) {
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(3, 2);
  const TColor colours[] = {clRed, clLime, clBlue, clWhite, clBlack, clGray};
  for (int i = 0; i < 6; ++i)
    bitmap.Canvas().SetPixel(i % 3, i / 3, colours[i]);
}

// A 2 x 2 metafile that fills its bottom row only.
void SmallMetafile(TMetafile& metafile) {
  metafile.SetWidth(2);
  metafile.SetHeight(2);
  metafile.Record(TMetafile::FillStep{Rect(0, 1, 2, 2), clRed});
}

}  // namespace

TEST(GifConversion, AssigningABitmapGivesAOneFrameImageHoldingACopy) {
  TBitmap bitmap;
  ColourBitmap(bitmap);
  TGIFImage image;
  LoadGif(image, SimpleTwoFrameGif());
  int changes = 0;
  image.SetOnChange([&](TObject*) { ++changes; });
  image.Assign(&bitmap);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.GifVersion(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(image.LogicalWidth(), 3);
  EXPECT_EQ(image.FrameAt(0)->TransparentColor(), clNone);
  bitmap.Canvas().SetPixel(0, 0, clYellow);  // the frame holds its own copy
  EXPECT_EQ(image.CurrentBitmap().Canvas().Pixel(0, 0), clRed);

  TBitmap monochrome;
  monochrome.SetMonochrome(true);
  monochrome.SetSize(8, 1);
  image.Assign(&monochrome);
  EXPECT_TRUE(image.CurrentBitmap().Monochrome());
}

TEST(GifConversion, IconsAndMetafilesAreDrawnOnFuchsiaWhichBecomesTheirTransparentColour) {
  TIcon icon;
  icon.SetImages(SmallIcon(24));
  TMetafile metafile;
  SmallMetafile(metafile);
  for (const TGraphic* graphic :
       {static_cast<TGraphic*>(&icon), static_cast<TGraphic*>(&metafile)}) {
    SCOPED_TRACE(graphic->ClassName());
    TGIFImage image;
    image.AppendFrame(graphic);
    TGIFFrame& frame = *image.FrameAt(0);
    EXPECT_EQ(frame.TransparentColor(), clFuchsia);
    EXPECT_EQ(frame.DecodedBitmap().Canvas().Pixel(0, 0), clFuchsia);
    EXPECT_EQ(frame.DecodedBitmap().Canvas().Pixel(0, 1), clRed);
    // Drawn, the background stays out.
    TBitmap target;
    target.SetSize(2, 2);
    target.Canvas().Brush().SetColor(clGreen);
    target.Canvas().FillRect(Rect(0, 0, 2, 2));
    target.Canvas().Draw(0, 0, &image);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), clGreen);
    EXPECT_EQ(target.Canvas().Pixel(0, 1), clRed);
  }
}

TEST(GifConversion, AppendFrameMakesTheFrameCurrentAndTheSecondOneMakesAGif89a) {
  TBitmap bitmap;
  ColourBitmap(bitmap);
  TIcon icon;
  icon.SetImages(SmallIcon(24));
  TGIFImage image;
  int changes = 0;
  image.SetOnChange([&](TObject*) { ++changes; });
  image.AppendFrame(&bitmap);
  EXPECT_EQ(image.GifVersion(), 1);
  image.AppendFrame(&icon);
  EXPECT_EQ(image.GifVersion(), 2);
  EXPECT_EQ(image.FrameCount(), 2);
  EXPECT_EQ(image.CurrentIndex(), 1);
  EXPECT_EQ(image.LogicalWidth(), 3);
  EXPECT_EQ(changes, 0);
  // An empty graphic gives a frame with nothing in it.
  const TBitmap empty;
  image.AppendFrame(&empty);
  EXPECT_EQ(image.FrameAt(2)->FrameBitmap(), nullptr);
}

TEST(GifConversion, AssigningToOtherGraphicsGivesTheCurrentFramesBitmap) {
  TGIFImage image;
  LoadGif(image, SimpleTwoFrameGif());
  image.SetCurrentIndex(1);
  TBitmap bitmap;
  bitmap.Assign(&image);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 1), TripleToColor(TestColor(3)));

  bitmap.Assign(image.FrameAt(0));
  EXPECT_EQ(bitmap.Width(), 4);

  TGIFImage copy;
  image.FrameAt(0)->DecodedBitmap();  // assign-to from a GIF image shares, whatever is decoded
  copy.Assign(&image);
  EXPECT_TRUE(copy.Equals(&image));

  TGIFImage empty;
  bitmap.Assign(&empty);
  EXPECT_TRUE(bitmap.Empty());

  TExtension notAGraphic;
  EXPECT_EQ(MessageOf([&] { notAGraphic.Assign(&image); }),
            "Cannot assign a TGIFImage to a TExtension");
  EXPECT_EQ(MessageOf([&] { notAGraphic.Assign(image.FrameAt(0)); }),
            "Cannot assign a TGIFFrame to a TExtension");
}
