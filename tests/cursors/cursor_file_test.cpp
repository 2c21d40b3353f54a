#include "cursors/cursor_file.h"

#include <fstream>

#include "cursor_fixture.h"
#include "framework/platform/cursor.h"

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
  // Animated cursors have no reader yet.
  EXPECT_EQ(LoadCursorFromFile(write("anim.ani", std::string("RIFF\x04\0\0\0ACON", 12))), nullptr);
  // A directory entry pointing past the end of the file.
  const unsigned char cut[] = {0,    0,  2, 0, 1,  0,         // a cursor file, one image
                               32,   32, 0, 0, 7,  0, 0, 0,   // 32 x 32, hot spot (7, 0)
                               0x30, 1,  0, 0, 22, 0, 0, 0};  // 304 bytes at 22: none there
  EXPECT_EQ(LoadCursorFromFile(write("cut.cur", std::string(std::begin(cut), std::end(cut)))),
            nullptr);
}

}  // namespace
