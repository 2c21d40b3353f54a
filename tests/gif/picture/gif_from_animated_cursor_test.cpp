// GIF pictures made from animated cursors: a frame per cursor frame at its display time.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cursors/animated_cursor_image.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"
#include "support/ani_bytes.h"
#include "support/test_data.h"

namespace {

using namespace ani_test;

void LoadCursor(TAnimatedCursorImage& cursor, const Bytes& bytes) {
  TMemoryStream stream{Bytes(bytes)};
  cursor.LoadFromStream(stream);
}

// The time a GIF keeps of a frame's rate: milliseconds held to 16 bits, in hundredths of a second.
int StoredDelayMs(int rateJiffies) {
  return std::clamp(rateJiffies * 100 / 6, 0, 0xFFFF) / 10 * 10;
}

}  // namespace

TEST(GifFromAnimatedCursor, EachFrameShowsItsIconOnTransparentFuchsiaForItsRate) {
  // Three 4 x 4 icons of different shades; rates 6, 10 and 3 jiffies, and one too long for 16
  // bits of milliseconds, which stays the longest time rather than wrapping.
  TAnimatedCursorImage cursor;
  LoadCursor(cursor, AniFile({AniHeader(4, 4, 6), Values("rate", {6, 10, 3, 4000}),
                              FrameList({CursorFile(4, {0, 0}, 1), CursorFile(4, {0, 0}, 2),
                                         CursorFile(4, {0, 0}, 3), CursorFile(4, {0, 0}, 4)})}));
  TGIFImage image;
  int changes = 0;
  image.SetOnChange([&](TObject*) { ++changes; });
  image.Assign(&cursor);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(image.FrameCount(), 4);
  EXPECT_EQ(image.BackColor(), clWindow);
  EXPECT_EQ(image.GifVersion(), 2);
  EXPECT_TRUE(image.LoopEnabled());
  EXPECT_EQ(image.LoopCount(), 0);
  const int delays[] = {100, 166, 50, 0xFFFF};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    TGIFFrame& frame = *image.FrameAt(i);
    EXPECT_EQ(frame.DelayMs(), delays[i]);
    EXPECT_EQ(frame.TransparentColor(), clFuchsia);
    EXPECT_EQ(frame.Disposal(), 2);  // cleared before the next frame
    // The icons' pixels are opaque; drawn on fuchsia they keep their own colours.
    TBitmap icon;
    icon.SetSize(4, 4);
    icon.Canvas().Draw(0, 0, cursor.FrameIcon(i));
    EXPECT_EQ(frame.DecodedBitmap().Canvas().Pixel(1, 1), icon.Canvas().Pixel(1, 1));
  }
}

TEST(GifFromAnimatedCursor, EveryCorpusCursorSavesAGifThatPlaysAtItsRates) {
  QI_REQUIRE_TESTDATA();
  for (const auto& entry : std::filesystem::directory_iterator(qi_test::TestDataDir() / "ani")) {
    if (entry.path().extension() != ".ani") continue;
    SCOPED_TRACE(entry.path().filename().string());
    TAnimatedCursorImage cursor;
    cursor.LoadFromFile(entry.path().string());
    TGIFImage image;
    image.Assign(&cursor);
    for (int i = 0; i < image.FrameCount(); ++i)
      EXPECT_EQ(image.FrameAt(i)->TransparentColor(), clFuchsia) << "frame " << i;
    TMemoryStream gif;
    image.SaveToStream(gif);
    gif.SetPosition(0);
    TGIFImage read;
    read.LoadFromStream(gif);
    ASSERT_EQ(read.FrameCount(), cursor.FrameCount());
    for (int i = 0; i < read.FrameCount(); ++i)
      EXPECT_EQ(read.FrameAt(i)->DelayMs(), StoredDelayMs(cursor.Frame(i)->RateJiffies()))
          << "frame " << i;
  }
}
