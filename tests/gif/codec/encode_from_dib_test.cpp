#include <gtest/gtest.h>

#include "decode_helpers.h"
#include "dib_pixels.h"
#include "error_message.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/encode_from_dib.h"
#include "gif/codec/gif_image_model.h"
#include "gif_builder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Encode(TGIFFrameModel& frame, const Bytes& dib) {
  TMemoryStream source(dib);
  EncodeFromDib(frame, source);
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// An image whose coders' progress handler fails at the first row: with EAbort, or another error.
class TFailingProgressImage : public TGIFImageModel {
 public:
  explicit TFailingProgressImage(bool abort) { choice_.abort = abort; }
  TCodecProgress CodecProgress() override { return {Fail, &choice_}; }

 private:
  struct Choice : TObject {
    bool abort = false;
  };
  static void Fail(TObject* target, TProgressStage stage, std::uint8_t, const std::string&) {
    if (stage != StageRunning) return;
    if (static_cast<Choice*>(target)->abort) throw EAbort("");
    throw EReadError("Stream read error");
  }

  Choice choice_;
};

}  // namespace

TEST(EncodeFromDib, FirstFrameGivesTheGlobalTableLaterOnesCarryTheirOwn) {
  TGIFImageModel image;
  TGIFFrameModel& first = image.AppendNewFrame();
  Encode(first, DibOfIndexes(3, 2, 4, {1, 2, 3, 4, 5, 6}));
  TGIFFrameModel& second = image.AppendNewFrame();
  second.SetOrigin({4, 1});
  Encode(second, DibOfIndexes(2, 2, 4, {7, 7, 7, 7}));

  const GifColorTable& global = image.SharedHeader()->GlobalColors();
  ASSERT_EQ(global.count, 16);
  EXPECT_EQ(global.entries[5], TestColor(5));
  EXPECT_EQ(image.SharedHeader()->GlobalBits(), 4);
  EXPECT_FALSE(first.LocalColors());
  // The same palette, but the global table is taken.
  EXPECT_TRUE(second.LocalColors());
  EXPECT_EQ(second.SharedPixels()->FrameColors(), global);
  EXPECT_EQ(second.SharedPixels()->FrameBits(), 4);
  EXPECT_EQ(second.SharedPixels()->FrameSize(), (TSize{2, 2}));
  EXPECT_EQ(image.LogicalWidth(), 6);
  EXPECT_EQ(image.LogicalHeight(), 3);
}

TEST(EncodeFromDib, RefusesSourcesItCannotEncode) {
  const Bytes valid = DibOfIndexes(4, 2, 8, Bytes(8, 1));
  struct Case {
    const char* what;
    std::size_t at;  // 32-bit field changed; 0: the data cut to size
    std::uint32_t value;
    const char* message;
  };
  const Case cases[] = {
      {"24 bits per pixel", 28, 24, "GIF image encoding error"},
      {"2 bits per pixel", 28, 2, "GIF image encoding error"},
      {"compressed", 30, 1, "GIF image encoding error"},
      {"a larger info header", 14, 108, "GIF image encoding error"},
      {"rows top-down", 22, static_cast<std::uint32_t>(-2), "GIF image encoding error"},
      {"pixels inside the palette", 10, 100, "GIF image encoding error"},
      {"pixels past the end", 10, 0xFFFFFFF0, "GIF image encoding error"},
      {"rows cut short", 0, static_cast<std::uint32_t>(valid.size() - 1),
       "GIF image encoding error"},
      {"no palette", 0, 60, "GIF image encoding error"},
      {"no header", 0, 20, "GIF image encoding error"},
      {"wider than the cap", 18, 20000, "GIF image too large: 20000 x 2 pixels"},
  };
  for (const Case& c : cases) {
    Bytes dib = valid;
    if (c.at == 0) {
      dib.resize(c.value);
    } else {
      Put32(dib, c.at, c.value);
    }
    TGIFImageModel image;
    EXPECT_EQ(MessageOf([&] { Encode(image.AppendNewFrame(), dib); }), c.message) << c.what;
  }
}

TEST(EncodeFromDib, FailingProgressLeavesNoEncodedPixelsAndCancellingResetsTheFrame) {
  for (const bool abort : {true, false}) {
    TFailingProgressImage image(abort);
    TGIFFrameModel& frame = image.AppendNewFrame();
    frame.SetDelayMs(50);
    if (abort) {
      EXPECT_THROW(Encode(frame, DibOfIndexes(2, 2, 1, {0, 1, 1, 0})), EAbort);
      EXPECT_EQ(frame.DelayMs(), 0) << "reset";
    } else {
      EXPECT_THROW(Encode(frame, DibOfIndexes(2, 2, 1, {0, 1, 1, 0})), EReadError);
      EXPECT_EQ(frame.DelayMs(), 50) << "kept";
    }
    EXPECT_FALSE(frame.SharedPixels()->HasEncodedPixels()) << (abort ? "cancelled" : "failed");
  }
}
