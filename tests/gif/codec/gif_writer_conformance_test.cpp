// The writer against the shared corpus and giflib: every corpus GIF written again keeps each
// frame's LZW data and pixels, and frames encoded from bitmaps of every depth decode in giflib to
// exactly the bitmap's indexes.
#include <gtest/gtest.h>

#include <algorithm>

#include "decode_helpers.h"
#include "dib_pixels.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/encode_from_dib.h"
#include "gif/codec/gif_image_model.h"
#include "giflib_oracle.h"
#include "support/test_data.h"
#include "test_pixels.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A frame's pixels as this codec decodes them, or the message decoding fails with.
std::string DecodedOrError(TGIFFrameModel& frame) {
  try {
    TMemoryStream dib;
    DecodeToDib(frame, dib);
    const auto& bytes = dib.Bytes();
    return std::string(bytes.begin(), bytes.end());
  } catch (const Exception& error) {
    return "error: " + error.Message();
  }
}

// Image data as written: with its terminator, which data cut off in the file lacks.
Bytes Terminated(Bytes bytes) {
  std::size_t at = 1;
  while (at < bytes.size() && bytes[at] != 0)
    at += 1 + std::size_t{bytes[at]};
  if (at >= bytes.size()) bytes.push_back(0);
  return bytes;
}

}  // namespace

TEST(GifWriterConformance, CorpusWrittenAgainKeepsEveryFramesDataAndPixels) {
  QI_REQUIRE_TESTDATA();
  int written = 0;
  for (const auto& entry : fs::directory_iterator(qi_test::TestDataDir() / "gif")) {
    if (entry.path().extension() != ".gif") continue;
    SCOPED_TRACE(entry.path().filename().string());
    TGIFImageModel original;
    try {
      TMemoryStream file;
      file.LoadFromFile(entry.path().string());
      original.ReadGifContent(file.Size(), file);
    } catch (const Exception&) {
      // Files the reader refuses keep the frames read before the fault.
    }
    if (original.FrameCount() == 0) continue;
    TMemoryStream gif;
    original.WriteGif(gif, TLengthPrefix::Omitted);
    TMemoryStream again;
    original.WriteGif(again, TLengthPrefix::Omitted);
    EXPECT_EQ(again.Bytes(), gif.Bytes()) << "a second write";

    TGIFImageModel rewritten;
    gif.SetPosition(0);
    rewritten.ReadGifContent(gif.Size(), gif);
    ASSERT_EQ(rewritten.FrameCount(), original.FrameCount());
    for (int i = 0; i < original.FrameCount(); ++i) {
      TGIFFrameModel& before = *original.FrameAt(i);
      TGIFFrameModel& after = *rewritten.FrameAt(i);
      EXPECT_EQ(EncodedBytes(after), Terminated(EncodedBytes(before))) << "frame " << i;
      EXPECT_EQ(DecodedOrError(after), DecodedOrError(before)) << "frame " << i;
      EXPECT_EQ(after.DelayMs(), before.DelayMs()) << "frame " << i;
      EXPECT_EQ(after.TransparentColor(), before.TransparentColor()) << "frame " << i;
      EXPECT_EQ(after.Disposal(), before.Disposal()) << "frame " << i;
    }
    ++written;
  }
  EXPECT_GT(written, 0);
}

TEST(GifWriterConformance, GiflibDecodesFramesEncodedFromEveryDepthToTheirIndexes) {
  QI_REQUIRE_TESTDATA();  // the oracle belongs with the shared corpus
  struct Case {
    int bitCount;
    int width;
    int height;
  };
  const Case cases[] = {{1, 1, 1},     {1, 97, 33}, {4, 16, 16},
                        {4, 640, 200}, {8, 3, 200}, {8, 512, 384}};
  qi_test::TempDir dir;
  unsigned seed = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bitCount) + " bits, " + std::to_string(c.width) + " x " +
                 std::to_string(c.height));
    // Two frames: the first gives the global table, the second carries its own.
    const Bytes first =
        RandomPixels(static_cast<std::size_t>(c.width) * c.height, 1 << c.bitCount, seed++);
    const Bytes second = RandomPixels(first.size(), 1 << c.bitCount, seed++);
    TGIFImageModel image;
    for (const Bytes* indexes : {&first, &second}) {
      TMemoryStream dib(DibOfIndexes(c.width, c.height, c.bitCount, *indexes));
      EncodeFromDib(image.AppendNewFrame(), dib);
    }
    TMemoryStream gif;
    image.WriteGif(gif, TLengthPrefix::Omitted);
    const fs::path file = dir.Path() / "written.gif";
    gif.SaveToFile(file.string());

    const GiflibImage decoded = DecodeWithGiflib(file);
    ASSERT_TRUE(decoded.complete);
    ASSERT_EQ(decoded.frames.size(), 2u);
    EXPECT_EQ(decoded.frames[0].indexes, first);
    EXPECT_EQ(decoded.frames[1].indexes, second);
  }
}
