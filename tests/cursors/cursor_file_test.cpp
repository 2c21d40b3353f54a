#include "cursors/cursor_file.h"

#include <fstream>

#include "cursor_fixture.h"
#include "framework/platform/cursor.h"
#include "support/ani_bytes.h"

namespace {

using CursorFileTest = CursorTest;

TEST_F(CursorFileTest, AStaticCursorFileGivesItsPictureAndHotSpot) {
  const HCURSOR cursor = LoadCursorFromFile(QI_CURSORS_DIR "/kaldcursor.cur");
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(cursor->image.image.width, 32);
  EXPECT_EQ(cursor->image.image.height, 32);
  EXPECT_EQ(cursor->image.hotSpotX, 7);
  EXPECT_EQ(cursor->image.hotSpotY, 0);
  DestroyCursor(cursor);
}

TEST_F(CursorFileTest, FilesThatHoldNoCursorGiveNone) {
  EXPECT_EQ(LoadCursorFromFile((tempFolder_.Path() / "missing.cur").string()), nullptr);
  const auto write = [this](const char* name, const std::string& bytes) {
    const auto path = tempFolder_.Path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  };
  EXPECT_EQ(LoadCursorFromFile(write("empty.cur", "")), nullptr);
  EXPECT_EQ(LoadCursorFromFile(write("text.cur", "not a cursor file")), nullptr);
  // An animated cursor without frames.
  EXPECT_EQ(LoadCursorFromFile(write("anim.ani", std::string("RIFF\x04\0\0\0ACON", 12))), nullptr);
  // A directory entry pointing past the end of the file.
  const unsigned char cut[] = {0,    0,  2, 0, 1,  0,         // a cursor file, one image
                               32,   32, 0, 0, 7,  0, 0, 0,   // 32 x 32, hot spot (7, 0)
                               0x30, 1,  0, 0, 22, 0, 0, 0};  // 304 bytes at 22: none there
  EXPECT_EQ(LoadCursorFromFile(write("cut.cur", std::string(std::begin(cut), std::end(cut)))),
            nullptr);
}

TEST_F(CursorFileTest, AnAnimatedCursorFileStepsThroughItsFramesAtTheirRates) {
  QI_REQUIRE_TESTDATA();
  // Five PNG sizes per frame, 128 down to 32: cursors show the 32 x 32 one with its hot spot.
  const HCURSOR cursor =
      LoadCursorFromFile((qi_test::TestDataDir() / "ani" / "stanio-progress-ptr.ani").string());
  ASSERT_NE(cursor, nullptr);
  ASSERT_EQ(cursor->steps.size(), 9u);
  for (const TCursorStep& step : cursor->steps) {
    EXPECT_EQ(step.image.image.width, 32);
    EXPECT_EQ(step.durationMs, 100u);  // 6 jiffies
    EXPECT_EQ(step.image.hotSpotX, 4);
  }
  DestroyCursor(cursor);
  // One frame is a still cursor.
  const auto path = tempFolder_.Path() / "one.ani";
  using namespace ani_test;
  const Bytes one = AniFile({AniHeader(1, 1, 7), FrameList({IconFile(16)})});
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(one.data()), static_cast<std::streamsize>(one.size()));
  const HCURSOR still = LoadCursorFromFile(path.string());
  ASSERT_NE(still, nullptr);
  EXPECT_TRUE(still->steps.empty());
  EXPECT_EQ(still->image.hotSpotX, 8);  // icon data points at its centre
  DestroyCursor(still);
}

}  // namespace
