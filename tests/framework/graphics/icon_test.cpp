#include "framework/graphics/icon.h"

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi.h"
#include "support/small_icon.h"

TEST(Icon, DrawsThroughItsMask) {
  TIcon icon;
  icon.SetImages(SmallIcon(24));
  TBitmap target;
  target.SetSize(4, 4);
  target.Canvas().Brush().SetColor(RGB(0, 128, 0));
  target.Canvas().FillRect(Rect(0, 0, 4, 4));
  target.Canvas().Draw(1, 1, &icon);
  EXPECT_EQ(target.Canvas().Pixel(1, 1), RGB(0, 128, 0));      // transparent
  EXPECT_EQ(target.Canvas().Pixel(2, 1), RGB(255, 127, 255));  // inverted
  EXPECT_EQ(target.Canvas().Pixel(1, 2), clRed);
  EXPECT_EQ(target.Canvas().Pixel(2, 2), clBlue);
  target.Canvas().StretchDraw(Rect(0, 0, 4, 4), &icon);
  EXPECT_EQ(target.Canvas().Pixel(1, 3), clRed);
}

TEST(Icon, BlendsA32BitImageByItsAlpha) {
  TBitmapHandle color(TBitmapObject::Create(1, 1, 32));
  color->SetPixel(0, 0, 0x80FF0000u);  // red at half alpha
  TIconFile file;
  file.images.emplace_back(std::move(color), TBitmapHandle(TBitmapObject::Create(1, 1, 1)));
  TIcon icon;
  icon.SetImages(std::move(file));
  TBitmap target;
  target.SetSize(1, 1);
  target.Canvas().Brush().SetColor(clBlue);
  target.Canvas().FillRect(Rect(0, 0, 1, 1));
  target.Canvas().Draw(0, 0, &icon);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), RGB(128, 0, 127));
}

TEST(Icon, ShowsTheImageThatBestFitsTheSizeAskedForAndKeepsAllWhenSaved) {
  TIconFile file;
  for (const int size : {16, 32, 48, 96}) {
    file.images.emplace_back(TBitmapHandle(TBitmapObject::Create(size, size, 4)),
                             TBitmapHandle(TBitmapObject::Create(size, size, 1)));
  }
  file.images.emplace_back(TBitmapHandle(TBitmapObject::Create(32, 32, 8)),
                           TBitmapHandle(TBitmapObject::Create(32, 32, 1)));
  TIcon icon;
  icon.SetImages(std::move(file));
  struct Case {
    TSize asked;
    int width;
  };
  for (const Case& c : {Case{{0, 0}, 96}, Case{{32, 32}, 32}, Case{{40, 40}, 48},
                        Case{{200, 200}, 96}, Case{{8, 8}, 16}}) {
    icon.SetRequestedSize(c.asked);
    EXPECT_EQ(icon.Width(), c.width) << c.asked.cx;
  }
  TMemoryStream stream;
  icon.SaveToStream(stream);
  stream.SetPosition(0);
  TIcon read;
  read.SetRequestedSize({32, 32});
  read.LoadFromStream(stream);
  EXPECT_EQ(read.ImageCount(), 5);
  EXPECT_EQ(read.Width(), 32);
  EXPECT_EQ(read.Image(4).color->BitsPerPixel(), 8);
  EXPECT_THROW(read.Image(5), EListError);
  TIcon copy;
  copy.Assign(&read);
  EXPECT_EQ(copy.Width(), 96);  // a copy shows what it is asked for, the largest by default
}

TEST(Icon, SizeIsFixedAndCursorsHaveHotSpots) {
  TIcon icon;
  try {
    icon.SetWidth(16);
    ADD_FAILURE();
  } catch (const EInvalidGraphicOperation& error) {
    EXPECT_EQ(error.Message(), "Cannot change the size of an icon");
  }
  TIconFile cursor = SmallIcon(1);
  cursor.cursor = true;
  cursor.images[0].hotSpot = {1, 0};
  icon.SetImages(std::move(cursor));
  EXPECT_TRUE(icon.IsCursor());
  EXPECT_EQ(icon.HotSpot(), (TPoint{1, 0}));
  TIcon copy;
  copy.Assign(&icon);
  EXPECT_EQ(copy.HotSpot(), (TPoint{1, 0}));
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  TMemoryStream empty;
  EXPECT_THROW(copy.LoadFromStream(empty), EInvalidGraphic);
}
