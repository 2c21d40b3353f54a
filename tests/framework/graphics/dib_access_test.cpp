#include "framework/graphics/dib_access.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/graphics/gdi.h"
#include "test_surface.h"

using graphics_test::Surface;

namespace {

// A 3 x 2 32-bit bitmap: top row red, white, black; bottom row blue, grey (128), near-white.
HBITMAP Sample() {
  HBITMAP bitmap = TBitmapObject::Create(3, 2, 32);
  const TColor colors[2][3] = {{clRed, clWhite, clBlack}, {clBlue, clGray, RGB(250, 250, 250)}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      bitmap->SetPixel(x, y, bitmap->ValueOf(colors[y][x]));
  return bitmap;
}

std::vector<std::uint8_t> Read(HBITMAP bitmap, int depth, BITMAPINFO& info, HDC dc = nullptr) {
  info = BITMAPINFO{};
  info.bmiHeader.biBitCount = static_cast<std::uint16_t>(depth);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, 2, nullptr, &info, DIB_RGB_COLORS), 2);
  std::vector<std::uint8_t> bits(info.bmiHeader.biSizeImage, 0xEE);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
  return bits;
}

}  // namespace

TEST(GetObject, DescribesABitmap) {
  HBITMAP bitmap = TBitmapObject::Create(5, 3, 4);
  BITMAP info;
  EXPECT_EQ(GetObject(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 5);
  EXPECT_EQ(info.bmHeight, 3);
  EXPECT_EQ(info.bmPlanes, 1);
  EXPECT_EQ(info.bmBitsPixel, 4);
  EXPECT_EQ(info.bmWidthBytes, 4);
  EXPECT_EQ(GetObject(bitmap, 4, &info), 0);
  EXPECT_EQ(GetObject(nullptr, sizeof info, &info), 0);
  DeleteObject(bitmap);
}

TEST(GetDIBits, TwentyFourBitsBottomUpPaddedRows) {
  HBITMAP bitmap = Sample();
  BITMAPINFO info;
  const auto bits = Read(bitmap, 24, info);
  EXPECT_EQ(info.bmiHeader.biWidth, 3);
  EXPECT_EQ(info.bmiHeader.biHeight, 2);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 24u);  // 9 bytes padded to 12, two rows
  // First stored row is the bottom one: blue, grey, near-white, in blue-green-red byte order.
  const std::vector<std::uint8_t> expected = {255, 0, 0,   128, 128, 128, 250, 250, 250, 0, 0, 0,
                                              0,   0, 255, 255, 255, 255, 0,   0,   0,   0, 0, 0};
  EXPECT_EQ(bits, expected);
  DeleteObject(bitmap);
}

TEST(GetDIBits, EightBitsUseTheDefaultTableAndNearestEntries) {
  HBITMAP bitmap = Sample();
  BITMAPINFO info;
  const auto bits = Read(bitmap, 8, info);
  const TColorTable& table = DefaultColorTable(8);
  for (int i = 0; i < 256; ++i)
    EXPECT_EQ(QuadToColor(info.bmiColors[i]), table[i]) << i;
  EXPECT_EQ(bits[0], 12);  // blue
  EXPECT_EQ(bits[1], 8);   // grey
  EXPECT_EQ(bits[2], 15);  // near-white goes to white
  EXPECT_EQ(bits[4], 9);   // red
  EXPECT_EQ(bits[5], 15);
  EXPECT_EQ(bits[6], 0);
  DeleteObject(bitmap);
}

TEST(GetDIBits, FourBitsUseTheSixteenStandardColours) {
  HBITMAP bitmap = Sample();
  BITMAPINFO info;
  const auto bits = Read(bitmap, 4, info);
  EXPECT_EQ(QuadToColor(info.bmiColors[4]), clNavy);
  EXPECT_EQ(QuadToColor(info.bmiColors[7]), clSilver);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 8u);
  EXPECT_EQ(bits[0], 0xC8);  // blue 12, grey 8
  EXPECT_EQ(bits[1], 0xF0);  // white 15, padding nibble 0
  EXPECT_EQ(bits[4], 0x9F);  // red 9, white 15
  EXPECT_EQ(bits[5], 0x00);  // black 0
  DeleteObject(bitmap);
}

TEST(GetDIBits, OneBitUsesBlackAndWhite) {
  HBITMAP bitmap = Sample();
  BITMAPINFO info;
  const auto bits = Read(bitmap, 1, info);
  EXPECT_EQ(QuadToColor(info.bmiColors[0]), clBlack);
  EXPECT_EQ(QuadToColor(info.bmiColors[1]), clWhite);
  // Bottom row: blue -> black, grey (128) -> white, near-white -> white.
  EXPECT_EQ(bits[0], 0x60);
  // Top row: red -> black, white -> white, black -> black.
  EXPECT_EQ(bits[4], 0x40);
  DeleteObject(bitmap);
}

TEST(GetDIBits, SelectedPaletteSuppliesTheTableWhenItFits) {
  HBITMAP bitmap = Sample();
  const PALETTEENTRY entries[] = {{255, 0, 0, 0}, {0, 0, 255, 0}, {255, 255, 255, 0}};
  HPALETTE palette = CreatePalette(entries);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectPalette(dc, palette, false);
  RealizePalette(dc);
  BITMAPINFO info;
  const auto bits = Read(bitmap, 8, info, dc);
  EXPECT_EQ(QuadToColor(info.bmiColors[1]), clBlue);
  EXPECT_EQ(QuadToColor(info.bmiColors[3]), clBlack);  // past the palette: zero
  EXPECT_EQ(bits[0], 1);
  EXPECT_EQ(bits[4], 0);
  DeleteDC(dc);
  DeleteObject(palette);
  DeleteObject(bitmap);
}

TEST(GetDIBits, IndexedBitmapKeepsItsOwnTableAndIndexes) {
  TColorTable table{};
  table[0] = clTeal;
  table[1] = clTeal;  // equal colours keep their own indexes
  HBITMAP bitmap = TBitmapObject::Create(2, 2, 1, table);
  bitmap->SetPixel(1, 1, 1);
  BITMAPINFO info;
  const auto bits = Read(bitmap, 8, info);
  EXPECT_EQ(QuadToColor(info.bmiColors[0]), clTeal);
  EXPECT_EQ(QuadToColor(info.bmiColors[2]), clBlack);
  EXPECT_EQ(bits[0], 0);
  EXPECT_EQ(bits[1], 1);
  DeleteObject(bitmap);
}

TEST(GetDIBits, HeaderOnlyTakesTheBitmapsOwnDepth) {
  HBITMAP bitmap = TBitmapObject::Create(7, 4, 4);
  BITMAPINFO info{};
  EXPECT_NE(GetDIBits(nullptr, bitmap, 0, 4, nullptr, &info, DIB_RGB_COLORS), 0);
  EXPECT_EQ(info.bmiHeader.biBitCount, 4);
  EXPECT_EQ(info.bmiHeader.biSizeImage, 16u);
  info.bmiHeader.biBitCount = 16;
  EXPECT_EQ(GetDIBits(nullptr, bitmap, 0, 4, nullptr, &info, DIB_RGB_COLORS), 0);
  DeleteObject(bitmap);
}
