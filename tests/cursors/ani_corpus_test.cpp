#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cursors/animated_cursor_image.h"
#include "support/test_data.h"

namespace {

// The structural table of ../shared/testdata/ani/SOURCES.md, as its own walk of the chunks gives
// it: the frames (the animation's steps), the rates (default, or the first values of the "rate"
// chunk), the hot spots found in the directories, the texts, the images per icon chunk with the
// largest first, and the colour count of the 1-, 4- and 8-bit images.
struct CorpusFile {
  const char* name;
  int frames;
  std::vector<int> rates;  // one value: every frame's; more: the first frames' rates
  std::set<std::pair<int, int>> hotSpots;
  int images;
  int largest;
  int sourceColors = 0;
  const char* title = "";
  const char* author = "";
};

const std::vector<CorpusFile>& Corpus() {
  static const std::vector<CorpusFile> files = {
      {"adwaita-left_ptr_watch.ani", 60, {1}, {{0, 1}, {0, 2}, {0, 3}, {0, 6}}, 5, 128},
      {"bibata-Amber-wait.ani", 45, {3}, {{15, 15}}, 1, 32},
      {"bibata-Ice-left_ptr_watch.ani",
       60,
       {25},
       {{1, 1}, {2, 1}, {3, 0}, {4, 2}, {7, 2}, {9, 4}},
       5,
       96},
      {"bibata-Oil-progress.ani", 46, {2}, {{8, 3}}, 1, 32},
      {"jfhbrook-Link.ani",
       23,
       {25, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 25, 5, 5, 5},
       {{0, 0}},
       1,
       50},
      {"katahiromz-wait.ani",
       8,
       {12},
       {{16, 16}},
       1,
       32,
       256,
       "Converted from wait.gif",
       "Built with AniTuner"},
      {"minicur-busy.ani", 7, {9}, {{15, 15}}, 1, 32},
      {"reconstruct-wait.ani", 9, {20}, {{15, 15}}, 1, 32, 16},
      {"risoheditor-AniCursor_110.ani", 3, {10}, {{0, 0}}, 1, 32, 16},
      {"sdlimage-rgbrgb.ani", 6, {1, 1, 1, 1, 2, 1}, {{0, 0}}, 1, 256},
      {"stanio-progress-ptr.ani", 9, {6}, {{4, 4}, {6, 6}, {8, 8}}, 3, 64},
      {"suru-left_ptr_watch.ani", 60, {16}, {{3, 2}, {4, 3}, {6, 4}, {8, 6}, {12, 10}}, 5, 96},
  };
  return files;
}

}  // namespace

TEST(AniCorpus, EveryFileLoadsAsItsChunksSay) {
  QI_REQUIRE_TESTDATA();
  for (const CorpusFile& file : Corpus()) {
    SCOPED_TRACE(file.name);
    TAnimatedCursorImage image;
    image.LoadFromFile((qi_test::TestDataDir() / "ani" / file.name).string());
    ASSERT_EQ(image.FrameCount(), file.frames);
    EXPECT_EQ(image.AniHeader().stepCount, file.frames);
    EXPECT_EQ(image.Title(), file.title);
    EXPECT_EQ(image.Author(), file.author);
    EXPECT_EQ(image.SourceColors(), file.sourceColors);
    for (int i = 0; i < image.FrameCount(); ++i) {
      const TIconFrame& frame = *image.Frame(i);
      const auto step = static_cast<std::size_t>(i);
      if (file.rates.size() == 1) {
        EXPECT_EQ(frame.RateJiffies(), file.rates[0]) << i;
      } else if (step < file.rates.size()) {
        EXPECT_EQ(frame.RateJiffies(), file.rates[step]) << i;
      }
      EXPECT_FALSE(frame.FromIcon());
      EXPECT_EQ(file.hotSpots.count({frame.HotSpot().x, frame.HotSpot().y}), 1u) << i;
      EXPECT_EQ(frame.IconImage()->ImageCount(), file.images) << i;
      EXPECT_EQ(frame.IconImage()->Width(), file.largest) << i;
    }
  }
}

TEST(AniCorpus, ASequenceShowsItsFramesInItsOrder) {
  QI_REQUIRE_TESTDATA();
  TAnimatedCursorImage image;
  image.LoadFromFile((qi_test::TestDataDir() / "ani" / "bibata-Oil-progress.ani").string());
  ASSERT_EQ(image.FrameCount(), 46);
  // "seq " 0, 0, 1, 2, ... 44: the first picture twice, then one step per picture.
  EXPECT_EQ(image.Frame(0)->IconNumber(), 0);
  for (int step = 1; step < 46; ++step)
    EXPECT_EQ(image.Frame(step)->IconNumber(), step - 1);
  EXPECT_EQ(image.AniHeader().frameCount, 45);
}
