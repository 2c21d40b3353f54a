#include "cursors/animated_cursor_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cursors/icon_list.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/not_implemented.h"
#include "framework/graphics/bitmap.h"
#include "support/ani_bytes.h"

using namespace ani_test;

namespace {

void Load(TAnimatedCursorImage& image, const Bytes& bytes) {
  TMemoryStream stream(bytes);
  image.LoadFromStream(stream);
}

struct FrameFacts {
  int iconNumber;
  int rate;
  int shade;  // colour index of the frame's picture: which icon it shows
};

std::vector<FrameFacts> FactsOf(const TAnimatedCursorImage& image) {
  std::vector<FrameFacts> facts;
  for (int i = 0; i < image.FrameCount(); ++i) {
    const TIconFrame& frame = *image.Frame(i);
    facts.push_back({frame.IconNumber(), frame.RateJiffies(),
                     static_cast<int>(frame.IconImage()->Image(0).color->Pixel(0, 0))});
  }
  return facts;
}

Bytes Cursors(int count) {
  std::vector<Bytes> files;
  for (int i = 0; i < count; ++i)
    files.push_back(CursorFile(4, {1, 2}, i + 1));
  return FrameList(files);
}

struct FramesCase {
  const char* what;
  Bytes file;
  std::vector<FrameFacts> frames;
};

}  // namespace

TEST(AnimatedCursorImage, BuildsTheStepsOfTheAnimation) {
  const std::vector<FramesCase> cases = {
      {"one frame per icon with the default rate",
       AniFile({AniHeader(3, 3, 7), Cursors(3)}),
       {{0, 7, 1}, {1, 7, 2}, {2, 7, 3}}},
      {"an icon the header does not count gets a frame of its own",
       AniFile({AniHeader(2, 2, 7), Cursors(3)}),
       {{0, 7, 1}, {1, 7, 2}, {-1, 7, 3}}},
      {"frames without an icon are dropped",
       AniFile({AniHeader(4, 4, 7), Cursors(2)}),
       {{0, 7, 1}, {1, 7, 2}}},
      {"a rate per step",
       AniFile({AniHeader(3, 3, 7), Values("rate", {6, 10, 3}), Cursors(3)}),
       {{0, 6, 1}, {1, 10, 2}, {2, 3, 3}}},
      {"a short rate chunk leaves the default rate",
       AniFile({AniHeader(3, 3, 7), Values("rate", {6}), Cursors(3)}),
       {{0, 6, 1}, {1, 7, 2}, {2, 7, 3}}},
      {"a sequence after the icons, one frame per step",
       AniFile({AniHeader(3, 4, 7), Values("rate", {1, 2, 3, 4}), Cursors(3),
                Values("seq ", {0, 1, 2, 1})}),
       {{0, 1, 1}, {1, 2, 2}, {2, 3, 3}, {1, 4, 2}}},
      {"sequence entries past the icons are dropped; unshown icons follow",
       AniFile({AniHeader(3, 3, 7), Values("seq ", {2, 9, -1}), Cursors(3)}),
       {{2, 7, 3}, {-1, 7, 1}, {-1, 7, 2}}},
      {"steps above frames without a sequence",
       AniFile({AniHeader(2, 5, 7), Cursors(2)}),
       {{0, 7, 1}, {1, 7, 2}}},
      {"the header after the icons",
       AniFile({Cursors(2), AniHeader(2, 2, 7)}),
       {{0, 7, 1}, {1, 7, 2}}},
      {"no header: every icon with rate 0", AniFile({Cursors(2)}), {{-1, 0, 1}, {-1, 0, 2}}},
      {"frame count 0", AniFile({AniHeader(0, 1, 7), Cursors(1)}), {{-1, 7, 1}}},
      {"odd-sized chunks and their pad bytes, unknown chunks and lists",
       AniFile({Chunk("abcd", Bytes(3, 0xEE)), List("xyzw", {Chunk("wxyz", Bytes(5))}),
                AniHeader(1, 1, 7), Cursors(1)}),
       {{0, 7, 1}}},
      {"RIFF size larger and smaller than the data",
       [] {
         Bytes file = AniFile({AniHeader(1, 1, 7), Cursors(1)});
         file[4] = 0xFF;
         file[5] = 0xFF;
         return file;
       }(),
       {{0, 7, 1}}},
      {"a longer header is cut to its 36 bytes",
       AniFile({Chunk("anih",
                      [] {
                        Bytes data = AniHeader(1, 1, 7);
                        data.erase(data.begin(), data.begin() + 8);
                        data.resize(44, 0xFF);
                        return data;
                      }()),
                Cursors(1)}),
       {{0, 7, 1}}},
      {"an icon that is not one ends its list; the next list is read",
       AniFile({AniHeader(3, 3, 7),
                FrameList({CursorFile(4, {}, 1), Bytes{0, 0, 3, 0, 1, 0}, CursorFile(4, {}, 3)}),
                FrameList({CursorFile(4, {}, 5)})}),
       {{0, 7, 1}, {1, 7, 5}}},
      {"a damaged icon is no icon",
       AniFile({AniHeader(2, 2, 7), FrameList({CursorFile(4, {}, 1), Bytes(40, 0)})}),
       {{0, 7, 1}}},
      {"a cut chunk ends the reading; what came before stays",
       [] {
         Bytes file = AniFile({AniHeader(1, 1, 7), Cursors(1)});
         const Bytes tail = Chunk("rate", Bytes(16));
         file.insert(file.end(), tail.begin(), tail.end() - 4);
         return file;
       }(),
       {{0, 7, 1}}},
      {"a size of 0xFFFFFFFF ends the reading",
       AniFile({AniHeader(1, 1, 7), Cursors(1), Chunk("junk", Bytes(8), 0xFFFFFFFF)}),
       {{0, 7, 1}}},
  };
  for (const FramesCase& c : cases) {
    SCOPED_TRACE(c.what);
    TAnimatedCursorImage image;
    Load(image, c.file);
    const std::vector<FrameFacts> facts = FactsOf(image);
    ASSERT_EQ(facts.size(), c.frames.size());
    for (std::size_t i = 0; i < facts.size(); ++i) {
      EXPECT_EQ(facts[i].iconNumber, c.frames[i].iconNumber) << i;
      EXPECT_EQ(facts[i].rate, c.frames[i].rate) << i;
      EXPECT_EQ(facts[i].shade, c.frames[i].shade) << i;
    }
    EXPECT_EQ(image.AniHeader().stepCount, image.FrameCount());
  }
}

TEST(AnimatedCursorImage, RefusesWhatIsNoAnimatedCursor) {
  struct Case {
    const char* what;
    Bytes file;
    int framesLeft;  // after the failure; -1: the object is unchanged
  };
  const Bytes icon = CursorFile(4, {}, 1);
  const std::vector<Case> cases = {
      {"not RIFF", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'A', 'C', 'O', 'N'}, -1},
      {"not ACON", Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '}, -1},
      {"too short", Bytes{'R', 'I', 'F', 'F'}, -1},
      {"header without flag bit 0", AniFile({AniHeader(1, 1, 7, 2), Cursors(1)}), 0},
      {"header with step count 0", AniFile({Cursors(1), AniHeader(1, 0, 7)}), 1},
      {"a short header leaves the flags 0", AniFile({Chunk("anih", Bytes(20, 1)), Cursors(1)}), 0},
      {"no frame with a picture", AniFile({AniHeader(1, 1, 7)}), 0},
      {"an icon sub-chunk cut short",
       [&] {
         Bytes file = AniFile({AniHeader(2, 2, 7), FrameList({icon, icon})});
         file.resize(file.size() - 10);
         return file;
       }(),
       1},
      {"an icon sub-chunk of size 0xFFFFFFFF",
       AniFile({AniHeader(1, 1, 7), List("fram", {Chunk("icon", icon, 0xFFFFFFFF)})}), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TAnimatedCursorImage image;
    Load(image, AniFile({AniHeader(2, 2, 7), Cursors(2)}));
    TMemoryStream stream(c.file);
    try {
      image.LoadFromStream(stream);
      ADD_FAILURE() << "loaded";
    } catch (const EReadError& error) {
      EXPECT_EQ(error.Message(), "Stream read error");
    }
    EXPECT_EQ(image.FrameCount(), c.framesLeft < 0 ? 2 : c.framesLeft);
  }
}

TEST(AnimatedCursorImage, KeepsHotSpotsTextsAndColours) {
  const std::string longTitle(300, 't');
  Bytes twoImages = CursorFile(4, {1, 2});
  {
    // A second directory entry pointing at the first image, with another hot spot: the last
    // entry's hot spot is the frame's.
    Bytes file = twoImages;
    file[4] = 2;
    Bytes entry(file.begin() + 6, file.begin() + 22);
    entry[4] = 3;
    entry[6] = 1;
    file.insert(file.begin() + 22, entry.begin(), entry.end());
    for (const std::size_t at : {18u, 34u})
      file[at] = static_cast<std::uint8_t>(file[at] + 16);  // image offsets after the new entry
    twoImages = file;
  }
  Bytes info = List("INFO", {Chunk("INAM", Bytes(longTitle.begin(), longTitle.end())),
                             Chunk("IART", Bytes{'m', 'e', 0, 'x'})});
  TAnimatedCursorImage image;
  Load(image, AniFile({info, AniHeader(2, 2, 7), FrameList({twoImages, IconFile(6)})}));
  ASSERT_EQ(image.FrameCount(), 2);
  EXPECT_EQ(image.Title(), longTitle.substr(0, 255));
  EXPECT_EQ(image.Author(), "me");
  EXPECT_FALSE(image.Frame(0)->FromIcon());
  EXPECT_EQ(image.Frame(0)->HotSpot(), (TPoint{3, 1}));
  EXPECT_TRUE(image.Frame(1)->FromIcon());
  EXPECT_EQ(image.Frame(1)->HotSpot(), (TPoint{3, 3}));  // the centre of a 6 x 6 icon
  EXPECT_EQ(image.Frame(1)->ChunkHeader().size, IconFile(6).size());
  EXPECT_EQ(image.SourceColors(), 16);
  EXPECT_THROW(image.Frame(2), EListError);
  EXPECT_THROW(image.FrameIcon(-1), EListError);
}

TEST(AnimatedCursorImage, LoadsNothingFromAStreamAtItsEndAndClearsOnAFailedFile) {
  TAnimatedCursorImage image;
  const Bytes file = AniFile({AniHeader(1, 1, 7), Cursors(1)});
  Load(image, file);
  TMemoryStream atEnd(file);
  atEnd.Seek(0, TSeekOrigin::soEnd);
  image.LoadFromStream(atEnd);
  EXPECT_EQ(image.FrameCount(), 1);
  EXPECT_THROW(image.LoadFromFile("/nonexistent/file.ani"), EFOpenError);
  const std::string broken = testing::TempDir() + "broken.ani";
  TMemoryStream(Bytes{'R', 'I', 'F', 'F'}).SaveToFile(broken);
  EXPECT_THROW(image.LoadFromFile(broken), EReadError);
  EXPECT_EQ(image.FrameCount(), 0);
}

TEST(AnimatedCursorImage, HandsItsFramesOn) {
  TAnimatedCursorImage image;
  Load(image,
       AniFile({AniHeader(3, 3, 7), Values("rate", {6, 10, 3}),
                FrameList({CursorFile(32, {}, 1), CursorFile(32, {}, 2), CursorFile(32, {}, 3)})}));
  TBitmap strip;
  strip.Assign(&image);
  EXPECT_EQ(strip.Width(), 96);
  EXPECT_EQ(strip.Height(), 32);
  EXPECT_EQ(strip.Canvas().Pixel(33, 5), strip.Canvas().Pixel(40, 30));
  EXPECT_NE(strip.Canvas().Pixel(5, 5), strip.Canvas().Pixel(40, 5));
  TBitmap column;
  image.DrawFrameStrip(column, clWhite, TStripColors::kKeep, TStripLayout::kVertical);
  EXPECT_EQ(column.Width(), 32);
  EXPECT_EQ(column.Height(), 96);

  TIcon first;
  first.Assign(&image);
  EXPECT_EQ(first.Image(0).color->Pixel(0, 0), 1u);
  TIconList list;
  int changes = 0;
  list.SetOnChange([&](TObject*) { ++changes; });
  list.Assign(&image);
  EXPECT_EQ(list.GetCount(), 3);
  EXPECT_EQ(changes, 1);
  EXPECT_NE(list.GetIcon(2), image.FrameIcon(2));  // a copy

  TAnimatedCursorImage copy;
  copy.Assign(&image);
  ASSERT_EQ(copy.FrameCount(), 3);
  EXPECT_EQ(copy.Frame(1)->RateJiffies(), 10);
  EXPECT_EQ(copy.Frame(1)->IconNumber(), 1);
  EXPECT_NE(copy.FrameIcon(1), image.FrameIcon(1));

  TAnimatedCursorImage empty;
  first.Assign(&empty);
  EXPECT_TRUE(first.Empty());
  strip.Assign(&empty);
  EXPECT_TRUE(strip.Empty());
  copy.Assign(nullptr);
  EXPECT_EQ(copy.FrameCount(), 0);
  TBitmap bitmap;
  EXPECT_THROW(copy.Assign(&bitmap), EConvertError);
}

TEST(AnimatedCursorImage, SavingIsNotProvided) {
  bool reported = false;
  const auto previous = SetNotImplementedReport([&] { reported = true; });
  TAnimatedCursorImage image;
  TMemoryStream stream;
  EXPECT_THROW(image.SaveToStream(stream), EAbort);
  EXPECT_TRUE(reported);
  SetNotImplementedReport(previous);
}
