// The memory a GIF picture takes, counted by the program's own operator new: reading and decoding
// any file the reader accepts stays within a few hundred megabytes.
#include <gtest/gtest.h>

#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"
#include "gif_builder.h"
#include "heap_counter.h"
#include "test_lzw_encoder.h"

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

// The LZW data of width x height pixels of colour 1 at minimum code size 2: the root, then each
// new code the string of the one before and one more pixel, up to a full table (no clear code),
// then the longest string over and over. A 64 Mi-pixel frame takes some 28 KB.
std::vector<std::uint8_t> OneColourFrameData(int width, int height) {
  const std::int64_t pixels = std::int64_t{width} * height;
  std::vector<Code> codes{{4, 3}, {1, 3}};  // clear, the root
  std::int64_t written = 1;
  int codeWidth = 3;
  int code = 6;
  for (; code < 4096 && written < pixels; ++code) {
    codes.emplace_back(code, codeWidth);
    written += code - 4;  // entry 6 holds 2 pixels, each later one a pixel more
    if (code + 1 == 1 << codeWidth && codeWidth < 12) ++codeWidth;
  }
  for (; written < pixels; written += 4095 - 4)
    codes.emplace_back(4095, 12);
  codes.emplace_back(5, 12);  // end
  return PackCodes(2, codes);
}

}  // namespace

TEST(GifMemory, DecodingManyLargeFramesStaysWithinAFewHundredMegabytes) {
  // Eight frames as large as one may be (16384 x 4096, 64 MiB of bitmap each): a file of some
  // 230 KB asking for 512 MiB of bitmaps, decoded all (as the screen is recomputed), then each
  // drawn in turn twice, as an animation shows them.
  const auto frame = OneColourFrameData(16384, 4096);
  GifBuilder gif;
  gif.Signature().Screen(16384, 4096, 0x87).Table(256);  // 8-bit bitmaps
  for (int i = 0; i < 8; ++i)
    gif.Image(0, 0, 16384, 4096, 0, frame);
  gif.Trailer();

  heap_counter::ResetPeak();
  {
    TGIFImage image;
    TMemoryStream stream(gif.Data());
    image.ReadGif(stream.Size(), stream, true);
    ASSERT_EQ(image.FrameCount(), 8);
    image.RecomputeScreen();
    EXPECT_EQ(image.LogicalWidth(), 16384);
    TBitmap target;
    target.SetSize(4, 4);
    for (int round = 0; round < 2; ++round) {
      for (int i = 0; i < image.FrameCount(); ++i) {
        image.SetCurrentIndex(i);
        target.Canvas().Draw(0, 0, &image);
        ASSERT_EQ(target.Canvas().Pixel(3, 3), TripleToColor(TestColor(1))) << "frame " << i;
        EXPECT_FALSE(image.FrameAt(i)->Corrupted());
        EXPECT_LE(image.DecodedBitmaps().Bytes(), TDecodedBitmaps::kBudget);
      }
    }
  }
  EXPECT_LT(heap_counter::Peak(), 400 * kMiB) << heap_counter::Peak() / kMiB << " MiB";
}
