#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "decode_helpers.h"
#include "dib_pixels.h"
#include "error_message.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/encode_from_dib.h"
#include "gif/codec/gif_image_model.h"
#include "gif_builder.h"
#include "test_lzw_encoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Appends a frame encoded from width x height indexes of bitCount bits (palette of TestColor).
TGIFFrameModel& AddFrame(TGIFImageModel& image, int width, int height, int bitCount,
                         const Bytes& indexes) {
  TGIFFrameModel& frame = image.AppendNewFrame();
  TMemoryStream dib(DibOfIndexes(width, height, bitCount, indexes));
  EncodeFromDib(frame, dib);
  return frame;
}

Bytes Written(TGIFImageModel& image, TLengthPrefix length = TLengthPrefix::Omitted) {
  TMemoryStream out;
  image.WriteGif(out, length);
  return out.Bytes();
}

void Read(TGIFImageModel& image, const Bytes& gif) {
  TMemoryStream stream(gif);
  image.ReadGifContent(stream.Size(), stream);
}

bool Contains(const Bytes& bytes, const Bytes& part) {
  return std::search(bytes.begin(), bytes.end(), part.begin(), part.end()) != bytes.end();
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A stream that takes only its first capacity bytes.
class TShortStream : public TMemoryStream {
 public:
  explicit TShortStream(std::int64_t capacity) : capacity_(capacity) {}
  std::int64_t Write(const void* buffer, std::int64_t count) override {
    return TMemoryStream::Write(buffer, std::min(count, capacity_ - Position()));
  }

 private:
  std::int64_t capacity_;
};

}  // namespace

TEST(GifWriter, ImageWithoutVersionIsWrittenAsGif87a) {
  // 2 x 2 pixels of 1 bit: 0 1 / 1 0; the first frame encoded gives the global table.
  const Bytes gif = {'G', 'I', 'F',  '8',  '7',  'a',     // no version set: 87a
                     2,   0,   2,    0,    0x80, 0,   0,  // screen 2 x 2, global table of 2
                     0,   255, 0,    1,    254,  7,       // TestColor(0), TestColor(1)
                     ',', 0,   0,    0,    0,    2,   0, 2, 0, 0,  // image at (0, 0), 2 x 2
                     2,   3,   0x44, 0x02, 0x05, 0,                // clear 0 1 1 0 end: 3 bytes
                     ';'};
  for (const TLengthPrefix length : {TLengthPrefix::Omitted, TLengthPrefix::Written}) {
    TGIFImageModel image;
    AddFrame(image, 2, 2, 1, {0, 1, 1, 0});
    const Bytes prefix = length == TLengthPrefix::Written
                             ? Bytes{static_cast<std::uint8_t>(gif.size()), 0, 0, 0}
                             : Bytes{};
    EXPECT_EQ(Written(image, length), Concat({prefix, gif}));
  }
}

TEST(GifWriter, FramesReadFromAFileKeepTheirImageDataByteForByte) {
  EncodeOptions oddBlocks;
  oddBlocks.blockSize = 7;
  oddBlocks.leadingClear = false;
  const Bytes first = EncodeLzw(Bytes(40, 3), 2, oddBlocks);
  const Bytes second = EncodeLzw({1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4}, 3);
  const Bytes gif = GifBuilder()
                        .Signature("GIF89a")
                        .Screen(8, 5, 0x81)
                        .Table(4)
                        .GraphicControl(0x05, 7, 2)
                        .Image(0, 0, 8, 5, 0x40, first)
                        .Image(2, 1, 4, 3, 0x82, {})  // local table of 8 colours
                        .Table(8)
                        .Bytes(second)
                        .Trailer()
                        .Data();
  TGIFImageModel original;
  Read(original, gif);
  TGIFImageModel rewritten;
  Read(rewritten, Written(original));
  ASSERT_EQ(rewritten.FrameCount(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(EncodedBytes(*rewritten.FrameAt(i)), i == 0 ? first : second);
    EXPECT_EQ(DecodeGifFrame(Written(original), i).dib.indexes, DecodeGifFrame(gif, i).dib.indexes);
  }
  EXPECT_TRUE(rewritten.FrameAt(0)->Interlaced());
  EXPECT_EQ(rewritten.FrameAt(1)->SharedPixels()->FrameColors(),
            original.FrameAt(1)->SharedPixels()->FrameColors());
}

TEST(GifWriter, WritingAgainOrWritingWhatWasReadGivesTheSameBytes) {
  TGIFImageModel image;
  AddFrame(image, 3, 2, 4, {1, 2, 3, 4, 5, 6}).SetDelayMs(120);
  TGIFFrameModel& second = AddFrame(image, 2, 2, 8, {9, 8, 7, 6});
  second.SetTransparentColor(TripleToColor(TestColor(7)));
  second.SetOrigin({1, 1});
  image.SetLoopEnabled(true);
  image.SharedHeader()->CommentLines().Add("made here");
  const Bytes gif = Written(image);
  EXPECT_EQ(Written(image), gif);
  TGIFImageModel read;
  Read(read, gif);
  EXPECT_EQ(Written(read), gif);
}

TEST(GifWriter, LoopingBlockOnlyForTwoFramesOrMore) {
  const Bytes block = {0x21, 0xFF, 11,  'N', 'E', 'T', 'S',  'C',  'A', 'P',
                       'E',  '2',  '.', '0', 3,   1,   0x34, 0x12, 0};
  for (const int frames : {1, 2}) {
    TGIFImageModel image;
    for (int i = 0; i < frames; ++i)
      AddFrame(image, 1, 1, 1, {1});
    image.SetLoopEnabled(true);
    image.SetLoopCount(0x1234);
    EXPECT_EQ(Contains(Written(image), block), frames == 2) << frames << " frames";
  }
}

TEST(GifWriter, CommentMakesAGif89aAndEndsTheFile) {
  TGIFImageModel image;
  AddFrame(image, 1, 1, 1, {0});
  TStringList& comment = image.SharedHeader()->CommentLines();
  comment.Add("one");
  comment.Add(std::string(300, 'x'));
  comment.Add("");
  comment.Add("two");
  const Bytes gif = Written(image);
  EXPECT_EQ(Bytes(gif.begin(), gif.begin() + 6), (Bytes{'G', 'I', 'F', '8', '9', 'a'}));
  const Bytes end =
      Concat({{0x21, 0xFE, 3, 'o', 'n', 'e', 255}, Bytes(255, 'x'), {3, 't', 'w', 'o', 0, ';'}});
  EXPECT_TRUE(std::equal(end.rbegin(), end.rend(), gif.rbegin()));
}

TEST(GifWriter, GraphicControlBlockFollowsTheFrame) {
  struct Case {
    const char* what;
    std::uint16_t delayMs;
    TColor transparent;
    std::uint8_t disposal;
    Bytes block;  // empty: none written
    std::uint16_t delayReadBack;
  };
  const TColor inTable = TripleToColor(TestColor(1));
  const Case cases[] = {
      {"nothing to say", 0, clNone, 0, {}, 0},
      {"delay in hundredths", 15, clNone, 0, {0x21, 0xF9, 4, 0, 1, 0, 0, 0}, 10},
      {"transparent colour 1", 0, inTable, 0, {0x21, 0xF9, 4, 1, 0, 0, 1, 0}, 0},
      {"colour not in the table", 0, 0x123456, 0, {0x21, 0xF9, 4, 0, 0, 0, 0, 0}, 0},
      {"disposal 2", 0, clNone, 2, {0x21, 0xF9, 4, 2 << 2, 0, 0, 0, 0}, 0},
  };
  for (const Case& c : cases) {
    TGIFImageModel image;
    TGIFFrameModel& frame = AddFrame(image, 2, 1, 1, {0, 1});
    frame.SetDelayMs(c.delayMs);
    frame.SetTransparentColor(c.transparent);
    frame.SetDisposal(c.disposal);
    const Bytes gif = Written(image);
    if (c.block.empty()) {
      EXPECT_FALSE(Contains(gif, {0x21, 0xF9})) << c.what;
      EXPECT_EQ(gif[4], '7') << c.what;
    } else {
      EXPECT_TRUE(Contains(gif, Concat({c.block, {','}}))) << c.what;
      EXPECT_EQ(gif[4], '9') << c.what;
    }
    TGIFImageModel read;
    Read(read, gif);
    EXPECT_EQ(read.FrameAt(0)->DelayMs(), c.delayReadBack) << c.what;
  }
}

TEST(GifWriter, NothingReachesTheDestinationWhenWritingFails) {
  TGIFImageModel empty;
  TMemoryStream out;
  EXPECT_EQ(MessageOf([&] { empty.WriteGif(out, TLengthPrefix::Written); }),
            "No GIF Data to write");
  EXPECT_EQ(out.Size(), 0);

  // The second frame has neither pixels nor a bitmap to encode them from.
  TGIFImageModel image;
  AddFrame(image, 1, 1, 1, {1});
  image.AppendNewFrame();
  EXPECT_EQ(MessageOf([&] { image.WriteGif(out, TLengthPrefix::Omitted); }),
            "No GIF Data to write");
  EXPECT_EQ(out.Size(), 0);

  TGIFImageModel whole;
  AddFrame(whole, 1, 1, 1, {1});
  TShortStream full(10);
  EXPECT_EQ(MessageOf([&] { whole.WriteGif(full, TLengthPrefix::Omitted); }), "Stream write error");
}

TEST(GifWriter, LocalTableWithoutColoursIsLeftOut) {
  // A frame read from a file without colour tables, made to carry its own: it has none to write.
  TGIFImageModel image;
  Read(image, GifBuilder()
                  .Signature()
                  .Screen(1, 1, 0)
                  .Image(0, 0, 1, 1, 0, EncodeLzw({0}, 2))
                  .Trailer()
                  .Data());
  image.FrameAt(0)->SetLocalColors(true);
  const Bytes gif = Written(image);
  EXPECT_TRUE(Contains(gif, {',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2})) << "descriptor without table";
}

TEST(GifWriter, ImageDataWithoutTerminatorGetsOne) {
  // Read from a file cut inside its image data, the frame keeps the complete sub-blocks only.
  Bytes cut = SimpleGif(4, 4, 1, EncodeLzw(Bytes(16, 1), 2, {.blockSize = 1}));
  cut.resize(cut.size() - 3);  // the last sub-block keeps only its length byte
  TGIFImageModel image;
  Read(image, cut);
  ASSERT_TRUE(image.FrameAt(0)->Corrupted());
  AddFrame(image, 2, 1, 1, {1, 0});
  TGIFImageModel read;
  Read(read, Written(image));
  ASSERT_EQ(read.FrameCount(), 2);
  EXPECT_EQ(DecodeGifFrame(Written(image), 1).dib.indexes, (Bytes{1, 0}));
}
