#include "framework/graphics/metafile.h"

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"

TEST(Metafile, ReplaysItsRecordingScaledOntoACanvas) {
  TMetafile metafile;
  metafile.SetWidth(10);
  metafile.SetHeight(10);
  EXPECT_TRUE(metafile.Empty());
  metafile.Record(TMetafile::FillStep{Rect(0, 0, 5, 10), clRed});
  metafile.Record(TMetafile::LineStep{{0, 9}, {10, 9}, clBlue});
  TBitmap target;
  target.SetSize(20, 20);
  target.Canvas().Brush().SetColor(clYellow);
  target.Canvas().StretchDraw(Rect(0, 0, 20, 20), &metafile);
  EXPECT_EQ(target.Canvas().Pixel(9, 5), clRed);
  EXPECT_EQ(target.Canvas().Pixel(10, 5), clWhite);
  EXPECT_EQ(target.Canvas().Pixel(15, 18), clBlue);
  EXPECT_EQ(target.Canvas().Brush().Color(), clYellow);  // the caller's tools are kept
}

TEST(Metafile, CopiesShareTheRecordingAndHaveNoFileForm) {
  TMetafile a, b;
  a.Record(TMetafile::FillStep{Rect(0, 0, 1, 1), clRed});
  b.Assign(&a);
  EXPECT_TRUE(b.Equals(&a));
  b.Record(TMetafile::FillStep{Rect(0, 0, 1, 1), clBlue});
  EXPECT_FALSE(b.Equals(&a));
  TMemoryStream stream;
  EXPECT_THROW(a.SaveToStream(stream), EInvalidGraphic);
  EXPECT_THROW(a.LoadFromStream(stream), EInvalidGraphic);
}

// What a picture holder does with a graphic a bitmap cannot take: size the bitmap on a fuchsia
// background and draw the graphic on it.
TEST(Metafile, DrawsOnABitmapSizedForIt) {
  TMetafile metafile;
  metafile.SetWidth(4);
  metafile.SetHeight(2);
  metafile.Record(TMetafile::RectangleStep{Rect(0, 0, 2, 2), clBlack, clNone});
  TBitmap bitmap;
  EXPECT_THROW(bitmap.Assign(&metafile), EConvertError);
  bitmap.Canvas().Brush().SetColor(clFuchsia);
  bitmap.SetSize(metafile.Width(), metafile.Height());
  bitmap.Canvas().Draw(0, 0, &metafile);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(bitmap.Canvas().Pixel(3, 1), clFuchsia);
}
