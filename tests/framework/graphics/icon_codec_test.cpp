#include "framework/graphics/icon_codec.h"

#include <gtest/gtest.h>

#include "codec_bytes.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "test_surface.h"

using graphics_test::Bytes;
using graphics_test::InfoHeader;

namespace {

TIconImage Image(int size, int depth, TPoint hotSpot = {}) {
  TColorTable table{};
  for (int i = 0; i < 256; ++i)
    table[i] = RGB(static_cast<std::uint8_t>(i * 3), 50, static_cast<std::uint8_t>(i));
  TBitmapHandle color(TBitmapObject::Create(size, size, depth, table));
  TBitmapHandle mask(TBitmapObject::Create(size, size, 1));
  const std::uint32_t valueMask = depth == 32   ? 0xFFFFFFFFu
                                  : depth == 24 ? 0xFFFFFFu
                                                : (1u << depth) - 1;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      color->SetPixel(
          x, y, static_cast<std::uint32_t>(x * 97 + y * 13 + 0x01000000 * (x & 3)) & valueMask);
      mask->SetPixel(x, y, (x + y) % 3 == 0 ? 1 : 0);
    }
  }
  return TIconImage(std::move(color), std::move(mask), hotSpot);
}

std::vector<std::uint8_t> Saved(const TIconFile& file) {
  TMemoryStream stream;
  WriteIconFile(stream, file);
  return stream.Bytes();
}

void ExpectInvalid(const std::vector<std::uint8_t>& bytes, const char* reason) {
  try {
    ReadIconFile(bytes);
    ADD_FAILURE() << "accepted; expected: " << reason;
  } catch (const EInvalidGraphic& error) {
    EXPECT_EQ(error.Message(), std::string("Icon image is not valid: ") + reason);
  }
}

// An icon file of one image entry whose data is the given bytes.
Bytes OneEntry(const std::vector<std::uint8_t>& data, unsigned width = 2, unsigned height = 2,
               std::uint32_t offset = 22, std::uint32_t size = 0xFFFFFFFF) {
  Bytes b;
  b.u16(0).u16(1).u16(1).u8(width).u8(height).u8(0).u8(0).u16(1).u16(32);
  b.u32(size == 0xFFFFFFFF ? static_cast<std::uint32_t>(data.size()) : size).u32(offset);
  b.append(data);
  return b;
}

}  // namespace

TEST(IconCodec, IconsRoundTripAtEveryDepthWithTheirMasks) {
  TIconFile file;
  for (const int depth : {1, 4, 8, 24, 32})
    file.images.push_back(Image(depth == 1 ? 48 : 16 + depth, depth));
  const auto bytes = Saved(file);
  const TIconFile read = ReadIconFile(bytes);
  EXPECT_FALSE(read.cursor);
  ASSERT_EQ(read.images.size(), file.images.size());
  for (std::size_t i = 0; i < file.images.size(); ++i) {
    SCOPED_TRACE(i);
    graphics_test::ExpectSamePixels(*file.images[i].color, *read.images[i].color);
    graphics_test::ExpectSamePixels(*file.images[i].mask, *read.images[i].mask);
    if (file.images[i].color->BitsPerPixel() <= 8) {
      EXPECT_EQ(read.images[i].color->ColorTable()[1], file.images[i].color->ColorTable()[1]);
    }
  }
  EXPECT_EQ(Saved(read), bytes);
  // Directory entry of the 8-bit image: size bytes, 0 colours (256), planes 1, 8 bits.
  const std::size_t entry = 6 + 2 * 16;
  EXPECT_EQ(bytes[entry], 24);
  EXPECT_EQ(bytes[entry + 2], 0);
  EXPECT_EQ(bytes[entry + 6], 8);
  EXPECT_EQ(bytes[6 + 2], 2);  // the 1-bit image has 2 colours
}

TEST(IconCodec, CursorsKeepTheirHotSpots) {
  TIconFile file;
  file.cursor = true;
  file.images.push_back(Image(32, 1, {7, 3}));
  const TIconFile read = ReadIconFile(Saved(file));
  EXPECT_TRUE(read.cursor);
  EXPECT_EQ(read.images[0].hotSpot, (TPoint{7, 3}));
}

TEST(IconCodec, WidthByteZeroMeansTwoHundredAndFiftySix) {
  TIconFile file;
  file.images.push_back(Image(256, 4));
  const auto bytes = Saved(file);
  EXPECT_EQ(bytes[6], 0);
  EXPECT_EQ(bytes[7], 0);
  EXPECT_EQ(ReadIconFile(bytes).images[0].Width(), 256);
}

TEST(IconCodec, ToleratesAMissingMask) {
  // Header height equal to the image height and no mask data: an opaque 2 x 2 image.
  Bytes dib = InfoHeader(2, 2, 32);
  dib.u32(0x00FF0000).u32(0x0000FF00).u32(0x000000FF).u32(0x00FFFFFF);
  const TIconFile read = ReadIconFile(OneEntry(dib));
  ASSERT_EQ(read.images.size(), 1u);
  EXPECT_EQ(read.images[0].Height(), 2);
  EXPECT_EQ(read.images[0].mask->Pixel(0, 0), 0u);
  EXPECT_EQ(read.images[0].color->PixelColor(0, 1), clRed);  // bottom row first
}

TEST(IconCodec, ReadsPngImagesWithTheirAlpha) {
  // 2 x 2 RGBA, rows top-down: red opaque, green half transparent; blue fully transparent, white.
  const std::vector<std::uint8_t> png = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49,
      0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06,
      0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x14, 0x49, 0x44,
      0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x08, 0x1B, 0x18,
      0xC0, 0x34, 0x10, 0x00, 0x00, 0x3F, 0xD7, 0x08, 0x79, 0x5F, 0xC7, 0x6D, 0xB1,
      0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  TIconFile read;
  try {
    read = ReadIconFile(OneEntry(png));
  } catch (const EInvalidGraphic& error) {
    GTEST_SKIP() << error.Message();  // a build without libpng
  }
  ASSERT_EQ(read.images.size(), 1u);
  const TIconImage& image = read.images[0];
  EXPECT_TRUE(image.HasAlpha());
  EXPECT_EQ(image.color->Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(image.color->Pixel(1, 0), 0x8000FF00u);
  EXPECT_EQ(image.color->Pixel(0, 1) >> 24, 0u);
  EXPECT_EQ(image.color->Pixel(1, 1), 0xFFFFFFFFu);
  // The mask lets the background through where a pixel is fully transparent only.
  EXPECT_EQ(image.mask->Pixel(0, 1), 1u);
  EXPECT_EQ(image.mask->Pixel(1, 0), 0u);

  // Saved, it becomes a 32-bit bitmap image that reads back the same.
  TMemoryStream saved;
  WriteIconFile(saved, read);
  graphics_test::ExpectSamePixels(*image.color, *ReadIconFile(saved.Bytes()).images[0].color);

  std::vector<std::uint8_t> damaged = png;
  damaged[45] ^= 0xFF;  // inside the compressed pixels
  ExpectInvalid(OneEntry(damaged), "damaged PNG image");
  ExpectInvalid(OneEntry(std::vector<std::uint8_t>(png.begin(), png.begin() + 40)),
                "damaged PNG image");
}

TEST(IconCodec, RefusesDamagedFiles) {
  ExpectInvalid({0, 0, 1}, "header cut short");
  Bytes reserved;
  reserved.u16(1).u16(1).u16(1).zeros(16);
  ExpectInvalid(reserved, "not an icon or cursor");
  Bytes wrongType;
  wrongType.u16(0).u16(3).u16(1).zeros(16);
  ExpectInvalid(wrongType, "not an icon or cursor");
  Bytes none;
  none.u16(0).u16(1).u16(0);
  ExpectInvalid(none, "no images");
  Bytes many;
  many.u16(0).u16(1).u16(65535).zeros(100);
  ExpectInvalid(many, "directory past the end");

  Bytes dib = InfoHeader(2, 4, 8);
  dib.zeros(1024 + 8 + 8);
  ExpectInvalid(OneEntry(dib, 2, 2, 22, 5000), "image data past the end");
  ExpectInvalid(OneEntry(dib, 2, 2, 0xFFFFFFF0, 0x20), "image data past the end");  // wraps 32 bits
  for (const unsigned depth : {0u, 3u, 64u}) {
    Bytes odd = InfoHeader(2, 4, depth);
    odd.zeros(64);
    ExpectInvalid(OneEntry(odd), "unknown bits per pixel");
  }
  Bytes huge = InfoHeader(65535, 2 * 65535, 32);
  ExpectInvalid(OneEntry(huge), "dimensions too large");
  Bytes topDown = InfoHeader(2, -4, 32);
  topDown.zeros(64);
  ExpectInvalid(OneEntry(topDown), "top-down image rows");
  Bytes cut = InfoHeader(2, 4, 32);
  cut.zeros(10);
  ExpectInvalid(OneEntry(cut), "pixel data cut short");
}

TEST(IconCodec, EveryTruncationIsATypedError) {
  TIconFile file;
  file.images.push_back(Image(3, 4));
  const auto whole = Saved(file);
  for (std::size_t n = 0; n < whole.size(); ++n) {
    const std::vector<std::uint8_t> part(whole.begin(),
                                         whole.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_THROW(ReadIconFile(part), EInvalidGraphic) << n;
  }
}
