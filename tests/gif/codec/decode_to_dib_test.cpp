#include <gtest/gtest.h>

#include "decode_helpers.h"
#include "dib_pixels.h"
#include "error_message.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/gif_image_model.h"
#include "gif_builder.h"
#include "test_lzw_encoder.h"

TEST(DecodeToDib, OneByOneFrameGivesAFourByteRow) {
  const DecodedFrame frame = DecodeGifFrame(SimpleGif(1, 1, 8, EncodeLzw({200}, 8)));
  EXPECT_EQ(frame.dib.width, 1);
  EXPECT_EQ(frame.dib.height, 1);
  EXPECT_EQ(frame.dib.imageSize, 4u);
  EXPECT_EQ(frame.dib.pixelOffset, 54u + 4 * 256);
  EXPECT_EQ(frame.dib.fileSize, frame.dib.pixelOffset + 4);
  EXPECT_EQ(frame.dib.indexes, std::vector<std::uint8_t>{200});
  EXPECT_EQ(frame.dib.rowPadding, (std::vector<std::uint8_t>{0, 0, 0}));
}

TEST(DecodeToDib, TableDepthPicksOneFourOrEightBitsWithAGreyPaletteTail) {
  for (int bits = 1; bits <= 8; ++bits) {
    const int colors = 1 << bits;
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < 9; ++i)
      pixels.push_back(static_cast<std::uint8_t>((i * 5) % colors));
    const DecodedFrame frame =
        DecodeGifFrame(SimpleGif(9, 1, bits, EncodeLzw(pixels, std::max(bits, 2))));
    const int expectedDepth = bits == 1 ? 1 : bits <= 4 ? 4 : 8;
    EXPECT_EQ(frame.dib.bitCount, expectedDepth) << bits;
    ASSERT_EQ(frame.dib.palette.size(), std::size_t{1} << expectedDepth);
    for (std::size_t i = 0; i < frame.dib.palette.size(); ++i) {
      const RGBQUAD& quad = frame.dib.palette[i];
      if (static_cast<int>(i) < colors) {
        const GifRgb rgb = TestColor(static_cast<int>(i));
        EXPECT_EQ(quad, (RGBQUAD{rgb.blue, rgb.green, rgb.red, 0}));
      } else {
        EXPECT_EQ(quad, (RGBQUAD{0x80, 0x80, 0x80, 0x80}));
      }
    }
    EXPECT_EQ(frame.dib.indexes, pixels) << bits;
  }
}

TEST(DecodeToDib, PacksSubBytePixelsFromTheMostSignificantEnd) {
  TMemoryStream dib;
  TGIFImageModel image;
  TMemoryStream one(SimpleGif(9, 1, 1, EncodeLzw({1, 0, 0, 0, 0, 0, 0, 1, 1}, 2)));
  image.ReadGifContent(one.Size(), one);
  DecodeToDib(*image.FrameAt(0), dib);
  const std::uint8_t* row = dib.Memory() + 54 + 8;
  EXPECT_EQ((std::array{row[0], row[1], row[2], row[3]}),
            (std::array<std::uint8_t, 4>{0x81, 0x80, 0, 0}));

  TMemoryStream four(SimpleGif(3, 1, 4, EncodeLzw({1, 2, 3}, 4)));
  image.ReadGifContent(four.Size(), four);
  DecodeToDib(*image.FrameAt(0), dib);
  row = dib.Memory() + 54 + 64;
  EXPECT_EQ((std::array{row[0], row[1], row[2], row[3]}),
            (std::array<std::uint8_t, 4>{0x12, 0x30, 0, 0}));
}

TEST(DecodeToDib, RowsAreStoredBottomUp) {
  const DecodedFrame frame = DecodeGifFrame(SimpleGif(2, 2, 8, EncodeLzw({1, 2, 3, 4}, 8)));
  EXPECT_EQ(frame.dib.indexes, (std::vector<std::uint8_t>{1, 2, 3, 4}));  // read back top first
}

TEST(DecodeToDib, ReplacesWhatTheStreamHeld) {
  TMemoryStream dib;
  dib.WriteBuffer(std::vector<std::uint8_t>(5000, 0xEE).data(), 5000);
  for (const auto& [width, height] : {std::pair{3, 2}, {40, 30}, {3, 2}}) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * height));
    for (std::size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = static_cast<std::uint8_t>(i % 7);
    TGIFImageModel image;
    TMemoryStream gif(SimpleGif(width, height, 4, EncodeLzw(pixels, 4)));
    image.ReadGifContent(gif.Size(), gif);
    DecodeToDib(*image.FrameAt(0), dib);
    const DibPixels read = ReadDibPixels(dib);
    EXPECT_EQ(dib.Size(), read.fileSize);
    EXPECT_EQ(read.indexes, pixels);
    EXPECT_EQ(dib.Position(), 0);
  }
}

TEST(DecodeToDib, FrameWithoutColourTableFails) {
  const auto gif = GifBuilder()
                       .Signature()
                       .Screen(1, 1, 0x00)  // no global table
                       .Image(0, 0, 1, 1, 0x00, EncodeLzw({0}, 2))
                       .Trailer()
                       .Data();
  EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { DecodeGifFrame(gif); }),
            "Wrong number of colors; must be a power of 2");
}

TEST(DecodeToDib, TruncatedDataMarksTheFrameAndKeepsItsRows) {
  EncodeOptions smallBlocks;
  smallBlocks.blockSize = 8;
  auto data = EncodeLzw(std::vector<std::uint8_t>(64 * 64, 3), 2, smallBlocks);
  data.resize(data.size() - 4);  // cut inside the last sub-block, which is left out
  const DecodedFrame frame = DecodeGifFrame(SimpleGif(64, 64, 2, data));
  EXPECT_TRUE(frame.corrupted);
  EXPECT_EQ(frame.dib.indexes.front(), 3);
}
