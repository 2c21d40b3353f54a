#include "framework/graphics/bmp_codec.h"

#include <gtest/gtest.h>

#include "codec_bytes.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/color_table.h"
#include "test_surface.h"

using graphics_test::Bytes;
using graphics_test::FileHeader;
using graphics_test::InfoHeader;

namespace {

// A bitmap of the depth with every pixel different where the depth allows, and a table of its own.
TBitmapHandle Pattern(int width, int height, int depth) {
  TColorTable table{};
  for (int i = 0; i < 256; ++i)
    table[i] = RGB(static_cast<std::uint8_t>(i), 7, static_cast<std::uint8_t>(255 - i));
  TBitmapHandle bitmap(TBitmapObject::Create(width, height, depth, table));
  const std::uint32_t mask = depth >= 24 ? 0xFFFFFFu : (1u << depth) - 1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap->SetPixel(x, y, static_cast<std::uint32_t>(x * 31 + y * 1021 + x * y * 7) & mask);
  return bitmap;
}

std::vector<std::uint8_t> Saved(const TBitmapObject& bitmap) {
  TMemoryStream stream;
  WriteBmp(stream, bitmap);
  return stream.Bytes();
}

void ExpectInvalid(const std::vector<std::uint8_t>& bytes, const char* reason) {
  try {
    ReadBmp(bytes);
    ADD_FAILURE() << "accepted; expected: " << reason;
  } catch (const EInvalidGraphic& error) {
    EXPECT_EQ(error.Message(), std::string("Bitmap image is not valid: ") + reason);
  }
}

}  // namespace

TEST(BmpCodec, RoundTripsAtEveryDepth) {
  for (const int depth : {1, 4, 8, 24, 32}) {
    SCOPED_TRACE(depth);
    const TBitmapHandle original = Pattern(13, 5, depth);
    const auto bytes = Saved(*original);
    const std::size_t table = depth <= 8 ? 4u << depth : 0;
    EXPECT_EQ(bytes.size(), 14 + 40 + table + original->ImageSize());
    EXPECT_EQ(bytes[10] | bytes[11] << 8, static_cast<int>(54 + table));  // pixel offset
    const TBitmapHandle read = ReadBmp(bytes);
    graphics_test::ExpectSamePixels(*original, *read);
    if (depth <= 8) {
      for (int i = 0; i < (1 << depth); ++i)
        EXPECT_EQ(read->ColorTable()[i], original->ColorTable()[i]);
    }
    EXPECT_EQ(Saved(*read), bytes);
  }
}

TEST(BmpCodec, ReadsTopDownRowsAndCoreHeaders) {
  // 2 x 2, 24 bits, top-down: first stored row is the top one.
  Bytes topDown = FileHeader(70, 54);
  topDown.append(InfoHeader(2, -2, 24))
      .raw({0, 0, 255, 0, 255, 0, 0, 0})
      .raw({255, 0, 0, 255, 255, 255, 0, 0});
  const TBitmapHandle a = ReadBmp(topDown);
  EXPECT_EQ(a->PixelColor(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(a->PixelColor(1, 1), RGB(255, 255, 255));

  // 12-byte core header, 1 bit, three-byte table entries.
  Bytes core = FileHeader(0, 0);
  core.u32(12).u16(3).u16(1).u16(1).u16(1).raw({0, 0, 128, 0, 255, 255}).raw({0xA0, 0, 0, 0});
  const TBitmapHandle b = ReadBmp(core);
  EXPECT_EQ(b->BitsPerPixel(), 1);
  EXPECT_EQ(b->ColorTable()[0], RGB(128, 0, 0));
  EXPECT_EQ(b->PixelColor(0, 0), RGB(255, 255, 0));
  EXPECT_EQ(b->PixelColor(1, 0), RGB(128, 0, 0));
}

TEST(BmpCodec, ReadsBitFieldsAndSixteenBitPixelsAsTrueColour) {
  // 16 bits 5-6-5 in a 124-byte header: white, pure red.
  Bytes v5 = FileHeader(0, 0);
  v5.u32(124)
      .i32(2)
      .i32(1)
      .u16(1)
      .u16(16)
      .u32(3)
      .u32(4)
      .zeros(16)
      .u32(0xF800)
      .u32(0x07E0)
      .u32(0x001F)
      .zeros(124 - 52);
  v5.u16(0xFFFF).u16(0xF800);
  const TBitmapHandle a = ReadBmp(v5);
  EXPECT_EQ(a->BitsPerPixel(), 32);
  EXPECT_EQ(a->PixelColor(0, 0), clWhite);
  EXPECT_EQ(a->PixelColor(1, 0), clRed);

  // 32 bits with masks after a 40-byte header, blue in the high byte.
  Bytes masks = FileHeader(0, 0);
  masks.append(InfoHeader(1, 1, 32, 3)).u32(0x0000FF00).u32(0x00FF0000).u32(0xFF000000);
  masks.u32(0x30201000);
  const TBitmapHandle b = ReadBmp(masks);
  EXPECT_EQ(b->PixelColor(0, 0), RGB(0x10, 0x20, 0x30));
}

TEST(BmpCodec, ToleratesNamedDeviations) {
  // A last row without its padding.
  Bytes shortRow = FileHeader(0, 54);
  shortRow.append(InfoHeader(1, 2, 24)).raw({1, 2, 3, 0, 4, 5, 6});
  EXPECT_EQ(ReadBmp(shortRow)->PixelColor(0, 0), RGB(6, 5, 4));

  // Fewer table entries than the depth indexes: the rest read black; more: the extra skipped.
  Bytes fewColours = FileHeader(0, 0);
  fewColours.append(InfoHeader(2, 1, 8, 0, 1)).raw({9, 9, 9, 0}).raw({0, 200, 0, 0});
  const TBitmapHandle few = ReadBmp(fewColours);
  EXPECT_EQ(few->PixelColor(0, 0), RGB(9, 9, 9));
  EXPECT_EQ(few->PixelColor(1, 0), clBlack);
  Bytes manyColours = FileHeader(0, 0);
  manyColours.append(InfoHeader(1, 1, 1, 0, 3))
      .raw({1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0})
      .raw({0x80, 0, 0, 0});
  EXPECT_EQ(ReadBmp(manyColours)->PixelColor(0, 0), RGB(2, 2, 2));

  // A pixel offset pointing into the headers.
  Bytes lowOffset = FileHeader(0, 20);
  lowOffset.append(InfoHeader(1, 1, 32)).u32(0x00112233);
  EXPECT_EQ(ReadBmp(lowOffset)->PixelColor(0, 0), RGB(0x11, 0x22, 0x33));
}

TEST(BmpCodec, RefusesDamagedAndUnsupportedFiles) {
  ExpectInvalid({'B', 'M', 0}, "file header cut short");
  Bytes notBmp = FileHeader(0, 54);
  notBmp.append(InfoHeader(1, 1, 24)).zeros(4);
  auto wrongSignature = notBmp.get();
  wrongSignature[0] = 'X';
  ExpectInvalid(wrongSignature, "not a bitmap file");

  auto file = [](Bytes info, std::size_t pixels = 4) {
    Bytes b = FileHeader(0, 0);
    b.append(info).zeros(pixels);
    return b.get();
  };
  ExpectInvalid(file(InfoHeader(0, 1, 24)), "zero or negative dimensions");
  ExpectInvalid(file(InfoHeader(-5, 1, 24)), "zero or negative dimensions");
  ExpectInvalid(file(InfoHeader(1, 0, 24)), "zero or negative dimensions");
  ExpectInvalid(file(InfoHeader(65535, 65535, 32)), "dimensions too large");
  ExpectInvalid(file(InfoHeader(4096, -4097, 32)), "dimensions too large");
  ExpectInvalid(file(InfoHeader(1, -2147483647 - 1, 8)), "dimensions too large");
  ExpectInvalid(file(InfoHeader(1, 1, 3)), "unknown bits per pixel");
  ExpectInvalid(file(InfoHeader(1, 1, 64)), "unknown bits per pixel");
  ExpectInvalid(file(InfoHeader(1, 1, 8, 1)), "compressed pixel data is not supported");
  ExpectInvalid(file(InfoHeader(1, 1, 24, 3)), "compressed pixel data is not supported");
  ExpectInvalid(file(InfoHeader(1, 1, 8, 0, 0xFFFFFFFF)), "colour table past the end");
  ExpectInvalid(file(InfoHeader(4, 4, 32), 60), "pixel data cut short");
  Bytes badHeader = FileHeader(0, 0);
  badHeader.u32(39).zeros(40);
  ExpectInvalid(badHeader, "unknown header size");
  Bytes farOffset = FileHeader(0, 1000);
  farOffset.append(InfoHeader(1, 1, 24)).zeros(4);
  ExpectInvalid(farOffset, "pixel offset past the end");
}

TEST(BmpCodec, EveryTruncationIsATypedError) {
  // Only the last row's padding byte may go missing.
  const auto whole = Saved(*Pattern(5, 3, 4));
  for (std::size_t n = 0; n + 1 < whole.size(); ++n) {
    const std::vector<std::uint8_t> part(whole.begin(),
                                         whole.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_THROW(ReadBmp(part), EInvalidGraphic) << n;
  }
}
