#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/bmp_codec.h"
#include "framework/graphics/icon_codec.h"
#include "gif/picture/gif_image.h"
#include "support/small_icon.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status;
  std::string out, err;
};

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class GifConvert : public testing::Test {
 protected:
  // A true-colour picture of 64 colours, 8 x 8.
  fs::path TrueColourPicture() {
    const TBitmapHandle bitmap(TBitmapObject::Create(8, 8, 24));
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x)
        bitmap->SetPixel(x, y, static_cast<std::uint32_t>(x * 0x200000 + y * 0x2000 + 0x40));
    }
    TMemoryStream stream;
    WriteBmp(stream, *bitmap);
    const fs::path file = dir_.Path() / "in.bmp";
    stream.SaveToFile(file.string());
    return file;
  }

  ToolRun Convert(const std::string& arguments) {
    const fs::path out = dir_.Path() / "stdout", err = dir_.Path() / "stderr";
    const std::string command =
        std::string(GIF_CONVERT) + " " + arguments + " >" + out.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    ToolRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
    fs::remove(out);
    fs::remove(err);
    return run;
  }

  std::vector<std::string> FilesInDir() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.Path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  qi_test::TempDir dir_;
};

TEST_F(GifConvert, TrueColourToEachDepthAndMethod) {
  const fs::path in = TrueColourPicture();
  const fs::path out = dir_.Path() / "out.bmp";
  const struct {
    std::string options;
    int bits;
  } cases[] = {
      {"", 8},
      {"--method popularity", 8},
      {"--method median-cut --depth 8", 8},
      {"--method uniform-784", 8},
      {"--method uniform-666", 8},
      {"--depth 8 --method triplet", 8},
      {"--method grayscale", 8},
      {"--depth 1", 1},
      {"--depth 4 --method median-cut", 4},
      {"--depth 24", 24},
  };
  for (const auto& c : cases) {
    const ToolRun run = Convert(c.options + " " + in.string() + " " + out.string());
    ASSERT_EQ(run.status, 0) << c.options << ": " << run.err;
    EXPECT_EQ(run.err, "");
    TMemoryStream written;
    written.LoadFromFile(out.string());
    const TBitmapHandle bitmap = ReadBmp(written.Bytes());
    EXPECT_EQ(bitmap->BitsPerPixel(), c.bits) << c.options;
    EXPECT_EQ(bitmap->Width(), 8);
  }
  EXPECT_EQ(FilesInDir(), (std::vector<std::string>{"in.bmp", "out.bmp"}));
}

// Each error: status 1, one line naming the file (or the option) and why, and the output as it
// was, with nothing left beside it.
TEST_F(GifConvert, ErrorsLeaveTheOutputAlone) {
  const fs::path in = TrueColourPicture();
  const fs::path notBitmap = dir_.Path() / "text.bmp";
  std::ofstream(notBitmap) << "this is a text file, not a picture";
  const fs::path out = dir_.Path() / "out.bmp";
  std::ofstream(out) << "before";
  const std::string missing = (dir_.Path() / "missing.bmp").string();
  const struct {
    std::string arguments;
    std::string message;
  } cases[] = {
      {missing + " " + out.string(), missing + ": No such file or directory"},
      {notBitmap.string() + " " + out.string(),
       notBitmap.string() + ": Bitmap image is not valid: not a bitmap file"},
      {"--method dither " + in.string() + " " + out.string(), "unknown method 'dither'"},
      {"--depth 16 " + in.string() + " " + out.string(), "unknown depth '16'"},
      {"--depth", "--depth needs a value"},
      {in.string(), "an input and an output file expected"},
      {in.string() + " " + (dir_.Path() / "no" / "out.bmp").string(),
       (dir_.Path() / "no" / "out.bmp").string() + ": No such file or directory"},
      {in.string() + " " + in.string() + " " + out.string(),
       "several inputs make an animation: OUT.gif"},
      {"--depth 4 " + in.string() + " " + (dir_.Path() / "out.gif").string(),
       "--depth is for a bitmap OUT"},
      {"--delay 100 " + in.string() + " " + out.string(), "--delay and --loop are for a GIF OUT"},
      {"--loop 70000 " + in.string() + " x.gif", "--loop takes a whole number from 0 to 65535"},
      {in.string() + " " + notBitmap.string() + " " + (dir_.Path() / "out.gif").string(),
       notBitmap.string() + ": Bitmap image is not valid: not a bitmap file"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Convert(c.arguments);
    EXPECT_EQ(run.status, 1) << c.arguments;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(ReadText(out), "before");
    EXPECT_EQ(FilesInDir(), (std::vector<std::string>{"in.bmp", "out.bmp", "text.bmp"}));
  }
}

// A 2-frame GIF of 4 x 4 and 2 x 2 pixels, saved by the codec itself.
fs::path TwoFrameGif(const fs::path& dir) {
  TGIFImage image;
  for (const int side : {4, 2}) {
    TBitmap frame;
    frame.SetPixelFormat(TPixelFormat::pf4bit);
    frame.SetSize(side, side);
    frame.Canvas().SetPixel(1, 1, clRed);
    image.AppendFrame(&frame);
  }
  image.FrameAt(1)->SetDelayMs(500);
  const fs::path file = dir / "two.gif";
  image.SaveToFile(file.string());
  return file;
}

// The test icon (support/small_icon.h) as an icon or a cursor file.
fs::path SmallIconFile(const fs::path& dir, bool cursor) {
  TIconFile icon = SmallIcon(24);
  icon.cursor = cursor;
  TMemoryStream stream;
  WriteIconFile(stream, icon);
  const fs::path file = dir / (cursor ? "small.cur" : "small.ico");
  stream.SaveToFile(file.string());
  return file;
}

std::unique_ptr<TGIFImage> ReadGif(const fs::path& file) {
  auto image = std::make_unique<TGIFImage>();
  image->LoadFromFile(file.string());
  return image;
}

std::vector<std::uint8_t> EncodedPixels(const TGIFFrame& frame) {
  const std::span<const std::uint8_t> data = frame.SharedPixels()->EncodedData()->Span();
  return {data.begin(), data.end()};
}

TEST_F(GifConvert, PicturesOfEveryKindBecomeGifs) {
  const fs::path out = dir_.Path() / "out.gif";
  const fs::path bitmap = TrueColourPicture();
  const fs::path gif = TwoFrameGif(dir_.Path());

  ASSERT_EQ(Convert("--method grayscale " + bitmap.string() + " " + out.string()).status, 0);
  auto read = ReadGif(out);
  ASSERT_EQ(read->FrameCount(), 1);
  EXPECT_EQ(read->Width(), 8);
  const TColor grey = read->CurrentBitmap().Canvas().Pixel(3, 5);
  EXPECT_TRUE(GetRValue(grey) == GetGValue(grey) && GetGValue(grey) == GetBValue(grey));

  for (const bool cursor : {false, true}) {
    ASSERT_EQ(Convert(SmallIconFile(dir_.Path(), cursor).string() + " " + out.string()).status, 0);
    read = ReadGif(out);
    EXPECT_EQ(read->FrameAt(0)->TransparentColor(), clFuchsia);
    EXPECT_EQ(read->CurrentBitmap().Canvas().Pixel(0, 0), clFuchsia);
    EXPECT_EQ(read->CurrentBitmap().Canvas().Pixel(1, 1), clBlue);
    EXPECT_EQ(read->CurrentBitmap().Canvas().Pixel(0, 1), clRed);
  }

  ASSERT_EQ(Convert(gif.string() + " " + out.string()).status, 0);
  read = ReadGif(out);
  const auto original = ReadGif(gif);
  ASSERT_EQ(read->FrameCount(), 2);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(EncodedPixels(*read->FrameAt(i)), EncodedPixels(*original->FrameAt(i)));
  EXPECT_EQ(read->FrameAt(1)->DelayMs(), 500);
}

TEST_F(GifConvert, SeveralInputsMakeAnAnimation) {
  const fs::path out = dir_.Path() / "anim.gif";
  const fs::path gif = TwoFrameGif(dir_.Path());
  const ToolRun run =
      Convert("--delay 120 --loop 0 " + TrueColourPicture().string() + " " +
              SmallIconFile(dir_.Path(), false).string() + " " + gif.string() + " " + out.string());
  ASSERT_EQ(run.status, 0) << run.err;
  const auto read = ReadGif(out);
  ASSERT_EQ(read->FrameCount(), 4);
  EXPECT_TRUE(read->LoopEnabled());
  EXPECT_EQ(read->LoopCount(), 0);
  EXPECT_EQ(read->LogicalWidth(), 8);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(read->FrameAt(i)->DelayMs(), 120) << "frame " << i;
  const auto original = ReadGif(gif);
  EXPECT_EQ(EncodedPixels(*read->FrameAt(2)), EncodedPixels(*original->FrameAt(0)));
  EXPECT_EQ(EncodedPixels(*read->FrameAt(3)), EncodedPixels(*original->FrameAt(1)));
}

TEST_F(GifConvert, IconsCursorsAndAnimatedCursorsBecomeBitmapFiles) {
  // A 16 x 16 icon of 4 bits: drawn over white at its size.
  TIconFile iconFile;
  iconFile.images.emplace_back(TBitmapHandle(TBitmapObject::Create(16, 16, 4)),
                               TBitmapHandle(TBitmapObject::Create(16, 16, 1)));
  TMemoryStream icon;
  WriteIconFile(icon, iconFile);
  const fs::path ico = dir_.Path() / "in.ico";
  icon.SaveToFile(ico.string());
  const fs::path out = dir_.Path() / "out.bmp";
  ASSERT_EQ(Convert(ico.string() + " " + out.string()).status, 0);
  TMemoryStream written;
  written.LoadFromFile(out.string());
  TBitmapHandle read = ReadBmp(written.Bytes());
  EXPECT_EQ(read->Width(), 16);
  EXPECT_EQ(read->BitsPerPixel(), 8);

  const fs::path broken = dir_.Path() / "broken.ani";
  std::ofstream(broken) << std::string("RIFF\4\0\0\0ACON", 12);
  const ToolRun refused = Convert(broken.string() + " " + out.string());
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "gif-convert: " + broken.string() + ": Stream read error\n");

  if (qi_test::TestDataDir().empty()) GTEST_SKIP() << "shared test data not found";
  // Nine 32 x 32 frames of 16 colours side by side.
  const fs::path ani = qi_test::TestDataDir() / "ani" / "reconstruct-wait.ani";
  ASSERT_EQ(Convert("--depth 4 " + ani.string() + " " + out.string()).status, 0);
  written.LoadFromFile(out.string());
  read = ReadBmp(written.Bytes());
  EXPECT_EQ(read->Width(), 9 * 32);
  EXPECT_EQ(read->Height(), 32);
  EXPECT_EQ(read->BitsPerPixel(), 4);
}

TEST_F(GifConvert, AnAnimatedCursorBecomesAGifShowingEachFrameForItsRate) {
  QI_REQUIRE_TESTDATA();
  // Nine frames of 20 jiffies (333 ms, kept as 33 hundredths of a second).
  const fs::path ani = qi_test::TestDataDir() / "ani" / "reconstruct-wait.ani";
  const fs::path out = dir_.Path() / "cursor.gif";
  ASSERT_EQ(Convert(ani.string() + " " + out.string()).status, 0);
  auto read = ReadGif(out);
  ASSERT_EQ(read->FrameCount(), 9);
  EXPECT_TRUE(read->LoopEnabled());  // as a cursor plays
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(read->FrameAt(i)->DelayMs(), 330) << "frame " << i;
    EXPECT_EQ(read->FrameAt(i)->TransparentColor(), clFuchsia) << "frame " << i;
  }
  // Among other inputs it adds its frames.
  ASSERT_EQ(Convert(TrueColourPicture().string() + " " + ani.string() + " " + out.string()).status,
            0);
  read = ReadGif(out);
  EXPECT_EQ(read->FrameCount(), 10);
  EXPECT_EQ(read->FrameAt(9)->DelayMs(), 330);
}

TEST_F(GifConvert, HelpExplainsEveryMethod) {
  const ToolRun run = Convert("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  for (const char* word : {"--depth 1|4|8|24", "popularity", "median-cut", "uniform-784",
                           "uniform-666", "triplet", "grayscale"}) {
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
  }
}

}  // namespace
