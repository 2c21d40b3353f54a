#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/core/memory_stream.h"
#include "framework/graphics/bmp_codec.h"
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
