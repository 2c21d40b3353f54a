#include <gtest/gtest.h>

#include "error_message.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/picture/gif_image.h"
#include "gif_builder.h"
#include "picture_test_gifs.h"
#include "test_lzw_encoder.h"

namespace {

// Two frames; the second has a local table and a comment and a graphic control block.
std::vector<std::uint8_t> TwoFrameGif() {
  return GifBuilder()
      .Signature()
      .Screen(4, 3, 0x81, 2)
      .Table(4)
      .Application("NETSCAPE2.0", {{1, 0, 0}})
      .Image(0, 0, 4, 3, 0, EncodeLzw(std::vector<std::uint8_t>(12, 1), 2))
      .GraphicControl(0x01 | 1 << 2, 30, 1)
      .Comment({"second frame"})
      .Image(1, 1, 2, 2, 0x80, {})
      .Table(2)
      .Bytes({2})
      .Bytes({2, 0x4C, 0x01, 0})  // clear, 1, end
      .Trailer()
      .Data();
}

}  // namespace

TEST(GifImage, FreshImageIsEmptyAndSizeless) {
  TGIFImage image;
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_EQ(image.LoopCount(), 1);
  EXPECT_EQ(image.BackColor(), clNone);
  EXPECT_EQ(image.SharedHeader()->RefCount(), 1);
}

TEST(GifImage, LoadedImageReportsItsScreenFramesAndSize) {
  TGIFImage image;
  LoadGif(image, TwoFrameGif());
  EXPECT_FALSE(image.Empty());
  EXPECT_EQ(image.LogicalWidth(), 4);
  EXPECT_EQ(image.LogicalHeight(), 3);
  EXPECT_EQ(image.Width(), 4);  // of the current frame
  EXPECT_EQ(image.Height(), 3);
  EXPECT_TRUE(image.LoopEnabled());
  EXPECT_EQ(image.LoopCount(), 0);
  EXPECT_EQ(image.BackColor(), TripleToColor(TestColor(2)));
  EXPECT_TRUE(image.HasTransparentFrame());
  EXPECT_EQ(image.FrameAt(1)->FrameWidth(), 2);
}

TEST(GifImage, FrameIndexOutsideTheListIsAListError) {
  TGIFImage image;
  LoadGif(image, TwoFrameGif());
  for (const int index : {-1, 2}) {
    try {
      image.FrameAt(index);
      FAIL();
    } catch (const EListError& error) {
      EXPECT_EQ(error.Message(), "List index out of bounds");
    }
  }
}

TEST(GifImage, SizeCannotBeSetEvenToTheCurrentOne) {
  TGIFImage image;
  LoadGif(image, TwoFrameGif());
  EXPECT_EQ(MessageOf([&] { image.SetWidth(4); }), "Cannot change the Size of a GIF image");
  EXPECT_EQ(MessageOf([&] { image.SetHeight(0); }), "Cannot change the Size of a GIF image");
}

TEST(GifImage, AssignedImagesShareDataAndAreEqualUntilOneIsReloaded) {
  TGIFImage source;
  LoadGif(source, TwoFrameGif());
  TGIFImage copy;
  int changes = 0;
  copy.SetOnChange([&](TObject*) { ++changes; });
  copy.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.SharedHeader(), source.SharedHeader());
  EXPECT_EQ(source.SharedHeader()->RefCount(), 2);
  ASSERT_EQ(copy.FrameCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(copy.FrameAt(i)->SharedPixels(), source.FrameAt(i)->SharedPixels());
    EXPECT_EQ(source.FrameAt(i)->SharedPixels()->RefCount(), 2);
    EXPECT_EQ(copy.FrameAt(i)->LocalColors(), source.FrameAt(i)->LocalColors());
  }
  EXPECT_EQ(copy.FrameAt(1)->DelayMs(), 300);
  EXPECT_EQ(copy.FrameAt(1)->Disposal(), 1);
  EXPECT_EQ(copy.FrameAt(1)->Origin(), (TPoint{1, 1}));
  EXPECT_EQ((*copy.FrameAt(1)->CommentText(false))[0], "second frame");
  EXPECT_EQ(copy.LogicalWidth(), 4);
  EXPECT_EQ(copy.CurrentIndex(), 0);
  EXPECT_TRUE(copy.LoopEnabled());
  EXPECT_TRUE(copy.Equals(&source));
  EXPECT_TRUE(source.Equals(&copy));

  // Reloading drops the shared objects instead of editing them.
  LoadGif(source, TwoFrameGif());
  EXPECT_FALSE(copy.Equals(&source));
  EXPECT_EQ(copy.SharedHeader()->RefCount(), 1);
  EXPECT_EQ(copy.FrameAt(0)->SharedPixels()->RefCount(), 1);
  EXPECT_EQ(copy.FrameAt(0)->SharedPixels()->EncodedData()->Size(),
            source.FrameAt(0)->SharedPixels()->EncodedData()->Size());
}

TEST(GifImage, ImagesReadFromTheSameBytesAreNotEqual) {
  TGIFImage a;
  TGIFImage b;
  LoadGif(a, TwoFrameGif());
  LoadGif(b, TwoFrameGif());
  EXPECT_FALSE(a.Equals(&b));
}

TEST(GifImage, AssigningItselfChangesNothingAndNoneResets) {
  TGIFImage image;
  LoadGif(image, TwoFrameGif());
  int changes = 0;
  image.SetOnChange([&](TObject*) { ++changes; });
  TGIFData* header = image.SharedHeader();
  image.Assign(&image);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(image.SharedHeader(), header);
  EXPECT_EQ(image.FrameCount(), 2);
  image.Assign(nullptr);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_TRUE(image.Empty());
}

TEST(GifImage, AssigningAFrameMakesAOneFrameImageWithItsOwnersScreenData) {
  TGIFImage source;
  LoadGif(source, TwoFrameGif());
  TGIFImage image;
  image.Assign(source.FrameAt(1));
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_EQ(image.CurrentIndex(), 0);
  EXPECT_EQ(image.GifVersion(), 1);
  EXPECT_NE(image.SharedHeader(), source.SharedHeader());
  EXPECT_EQ(image.SharedHeader()->GlobalColors(), source.SharedHeader()->GlobalColors());
  EXPECT_EQ(image.FrameAt(0)->SharedPixels(), source.FrameAt(1)->SharedPixels());
  // A frame from another image always carries its own colours.
  EXPECT_TRUE(image.FrameAt(0)->LocalColors());
  // The screen is recomputed to hold the frame at its origin.
  EXPECT_EQ(image.LogicalWidth(), 3);
  EXPECT_EQ(image.LogicalHeight(), 3);
}

TEST(GifImage, AssigningAFrameOfItsOwnKeepsThatFrame) {
  TGIFImage image;
  LoadGif(image, TwoFrameGif());
  const TGIFItem* pixels = image.FrameAt(1)->SharedPixels();
  const GifColorTable globalColors = image.SharedHeader()->GlobalColors();
  image.Assign(image.FrameAt(1));
  ASSERT_EQ(image.FrameCount(), 1);
  const TGIFFrame& frame = *image.FrameAt(0);
  EXPECT_EQ(frame.SharedPixels(), pixels);
  EXPECT_EQ(frame.DelayMs(), 300);
  EXPECT_EQ(frame.Origin(), (TPoint{1, 1}));
  EXPECT_EQ((*frame.ExistingComment())[0], "second frame");
  // A frame of the same image keeps its own sense of local colours, and the screen its colours.
  EXPECT_TRUE(frame.LocalColors());
  EXPECT_EQ(image.SharedHeader()->GlobalColors(), globalColors);

  // Its first frame, without a table of its own, the same way.
  LoadGif(image, TwoFrameGif());
  image.Assign(image.FrameAt(0));
  ASSERT_EQ(image.FrameCount(), 1);
  EXPECT_FALSE(image.FrameAt(0)->LocalColors());
  EXPECT_EQ(image.FrameAt(0)->FrameWidth(), 4);
}

TEST(GifImage, AssigningItsOwnerToTheCurrentFrameKeepsWhatTheFrameShows) {
  TGIFImage image;
  LoadGif(image, TwoFrameGif());
  TGIFFrame& frame = *image.FrameAt(0);
  const TColor drawn = TripleToColor(TestColor(2));  // the frame is of colour 1
  frame.DecodedBitmap().Canvas().SetPixel(0, 0, drawn);
  frame.Assign(&image);
  ASSERT_NE(frame.FrameBitmap(), nullptr);
  EXPECT_EQ(frame.FrameBitmap()->Canvas().Pixel(0, 0), drawn);
}

TEST(GifImage, AssigningAnImageDecodesNoFrame) {
  TGIFImage source;
  TMemoryStream stream(TwoFrameGif());
  source.ReadGif(stream.Size(), stream, false);
  TGIFImage copy;
  copy.Assign(&source);
  ASSERT_EQ(copy.FrameCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(copy.FrameAt(i)->FrameBitmap(), nullptr) << "frame " << i;
    EXPECT_EQ(source.FrameAt(i)->FrameBitmap(), nullptr) << "frame " << i;
  }
  EXPECT_EQ(copy.LogicalWidth(), 4);
}

TEST(GifImage, FrameAssignmentCopiesTheCommentButNoOtherExtension) {
  TGIFImage source;
  LoadGif(source, TwoFrameGif());
  TGIFFrame frame(nullptr);
  frame.Assign(source.FrameAt(1));
  ASSERT_NE(frame.Extensions(), nullptr);
  ASSERT_EQ(frame.Extensions()->size(), 1u);
  EXPECT_EQ(frame.Extensions()->front()->ExtKind(), ekComment);
  EXPECT_EQ(frame.TransparentColor(), source.FrameAt(1)->TransparentColor());

  // From an image: its current frame; from an image without frames or none: a reset frame.
  frame.Assign(&source);
  EXPECT_EQ(frame.SharedPixels(), source.FrameAt(0)->SharedPixels());
  TGIFImage empty;
  frame.Assign(&empty);
  EXPECT_NE(frame.SharedPixels(), source.FrameAt(0)->SharedPixels());
  EXPECT_EQ(frame.SharedPixels()->EncodedData(), nullptr);
  EXPECT_EQ(frame.TransparentColor(), clNone);
}

TEST(GifImage, CommentTextIsMadeOnRequest) {
  TGIFFrame frame(nullptr);
  EXPECT_EQ(frame.CommentText(false), nullptr);
  TStringList lines;
  lines.Add("made by hand");
  frame.SetCommentText(lines);
  ASSERT_NE(frame.CommentText(false), nullptr);
  EXPECT_EQ((*frame.CommentText(false))[0], "made by hand");
  frame.SetCommentText(*frame.CommentText(false));  // its own lines
  EXPECT_EQ(frame.CommentText(false)->Count(), 1);
  EXPECT_EQ(frame.Extensions()->size(), 1u);
}

TEST(GifImage, DataPropertyIsALengthThenTheGif) {
  const auto gif = TwoFrameGif();
  TMemoryStream data;
  data.WriteUInt32(static_cast<std::uint32_t>(gif.size()));
  data.WriteBuffer(gif.data(), static_cast<std::int64_t>(gif.size()));
  data.WriteByte(0x99);  // whatever follows the property is left alone
  data.SetPosition(0);
  TGIFImage image;
  image.ReadData(data);
  EXPECT_EQ(image.FrameCount(), 2);
  EXPECT_EQ(data.Position(), static_cast<std::int64_t>(gif.size()) + 4);

  // A length beyond the bytes that follow is the framework's read error.
  TMemoryStream overLong;
  overLong.WriteUInt32(static_cast<std::uint32_t>(gif.size()) + 1);
  overLong.WriteBuffer(gif.data(), static_cast<std::int64_t>(gif.size()));
  overLong.SetPosition(0);
  try {
    image.ReadData(overLong);
    FAIL();
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), "Stream read error");
  }
  EXPECT_EQ(image.FrameCount(), 0);

  // A huge length is refused before anything is allocated for it.
  TMemoryStream huge;
  huge.WriteUInt32(0xFFFFFFF0u);
  huge.SetPosition(0);
  EXPECT_THROW(image.ReadData(huge), EReadError);
}

TEST(GifImage, LoadFromStreamTakesTheRestOfTheStream) {
  auto bytes = std::vector<std::uint8_t>{'x', 'y'};
  const auto gif = TwoFrameGif();
  bytes.insert(bytes.end(), gif.begin(), gif.end());
  TMemoryStream stream(bytes);
  stream.SetPosition(2);
  TGIFImage image;
  image.LoadFromStream(stream);
  EXPECT_EQ(image.FrameCount(), 2);
  EXPECT_TRUE(stream.AtEnd());
}

TEST(GifImage, ReadingSizeZeroResetsTheImageAndNotifiesOnce) {
  TGIFImage image;
  LoadGif(image, TwoFrameGif());
  int changes = 0;
  image.SetOnChange([&](TObject*) { ++changes; });
  TMemoryStream empty;
  image.ReadGif(0, empty, true);
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_EQ(changes, 1);
}

TEST(GifImage, LoadingDropsAFirstFrameThatCannotBeDecoded) {
  const auto gif = GifBuilder()
                       .Signature()
                       .Screen(2, 2, 0x00)  // no colour table at all
                       .Image(0, 0, 2, 2, 0, EncodeLzw({1, 1, 1, 1}, 2))
                       .Trailer()
                       .Data();
  TGIFImage image;
  int changes = 0;
  image.SetOnChange([&](TObject*) { ++changes; });
  EXPECT_EQ(MessageOf([&] { LoadGif(image, gif); }),
            "Wrong number of colors; must be a power of 2");
  EXPECT_EQ(image.FrameCount(), 0);
  EXPECT_EQ(image.CurrentIndex(), -1);
  EXPECT_EQ(changes, 0);  // a failed load notifies nobody
}

TEST(GifImage, DecodingReportsProgressWhenObserved) {
  struct Event {
    TObject* sender;
    TProgressStage stage;
    int percent;
    bool redraw;
    TRect rect;
    std::string message;
  };
  std::vector<Event> events;
  TGIFImage image;
  TMemoryStream stream(SimpleGif(64, 64, 8, EncodeLzw(std::vector<std::uint8_t>(64 * 64, 9), 8)));
  image.ReadGif(stream.Size(), stream, false);
  image.SetOnCodecProgress([&](TObject* sender, TProgressStage stage, std::uint8_t percent,
                               bool redraw, const TRect& rect, const std::string& message) {
    events.push_back({sender, stage, percent, redraw, rect, message});
  });
  TMemoryStream dib;
  DecodeToDib(*image.FrameAt(0), dib);
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events.front().stage, StageStarting);
  EXPECT_EQ(events.front().percent, 0);
  EXPECT_EQ(events.back().stage, StageEnding);
  EXPECT_EQ(events.back().percent, 100);
  int last = 0;
  for (std::size_t i = 1; i + 1 < events.size(); ++i) {
    EXPECT_EQ(events[i].stage, StageRunning);
    EXPECT_GE(events[i].percent, last);
    last = events[i].percent;
  }
  for (const Event& event : events) {
    EXPECT_EQ(event.sender, &image);
    EXPECT_FALSE(event.redraw);
    EXPECT_EQ(event.rect, TRect{});
  }

  // A handler may cancel; the end is still reported, with the message of the error.
  events.clear();
  image.SetOnCodecProgress([&](TObject*, TProgressStage stage, std::uint8_t percent, bool,
                               const TRect&, const std::string& message) {
    events.push_back({nullptr, stage, percent, false, {}, message});
    if (stage == StageRunning) throw EAbort("cancelled");
  });
  EXPECT_THROW(DecodeToDib(*image.FrameAt(0), dib), EAbort);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events.back().stage, StageEnding);
  EXPECT_EQ(events.back().percent, 0);
  EXPECT_EQ(events.back().message, "cancelled");
}
