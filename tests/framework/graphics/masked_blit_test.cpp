// The two-mask transparent copy that the image controls build on, written step by step with the
// device calls exactly as that drawing routine makes them, to prove the device supports it.
#include <gtest/gtest.h>

#include "framework/graphics/gdi.h"
#include "test_surface.h"
#include "animation/drawing/masked_stretch_blit.h"

using graphics_test::Surface;

TEST(MaskedCopy, KeyColourPixelsLeaveTheDestination) {
  Surface picture(2, 2, 32), destination(4, 4, 32);
  picture.Set(0, 0, clFuchsia);
  picture.Set(1, 0, clRed);
  picture.Set(0, 1, clBlue);
  picture.Set(1, 1, clFuchsia);
  destination.Fill(clGreen);
  MaskedStretchBlit(destination.dc(), 1, 1, 2, 2, picture.dc(), 0, 0, 2, 2, nullptr, clFuchsia);
  EXPECT_EQ(destination.At(1, 1), clGreen);
  EXPECT_EQ(destination.At(2, 1), clRed);
  EXPECT_EQ(destination.At(1, 2), clBlue);
  EXPECT_EQ(destination.At(2, 2), clGreen);
  EXPECT_EQ(destination.At(0, 0), clGreen);
}

TEST(MaskedCopy, StretchesAndHandlesAnIndexedPictureWithItsPalette) {
  TColorTable table{};
  table[0] = clFuchsia;
  table[1] = clNavy;
  Surface picture(2, 1, 8, table), destination(4, 2, 32);
  picture.bitmap().SetPixel(0, 0, 0);
  picture.bitmap().SetPixel(1, 0, 1);
  destination.Fill(clYellow);
  const PALETTEENTRY entries[] = {{255, 0, 255, 0}, {0, 0, 128, 0}};
  HPALETTE palette = CreatePalette(entries);
  MaskedStretchBlit(destination.dc(), 0, 0, 4, 2, picture.dc(), 0, 0, 2, 1, palette, clFuchsia);
  DeleteObject(palette);
  EXPECT_EQ(destination.At(0, 0), clYellow);
  EXPECT_EQ(destination.At(1, 1), clYellow);
  EXPECT_EQ(destination.At(2, 0), clNavy);
  EXPECT_EQ(destination.At(3, 1), clNavy);
}

TEST(MaskedCopy, AbsentKeyCopiesOpaquely) {
  Surface picture(1, 1, 24), destination(1, 1, 32);
  picture.Fill(clWhite);
  destination.Fill(clBlack);
  MaskedStretchBlit(destination.dc(), 0, 0, 1, 1, picture.dc(), 0, 0, 1, 1, nullptr, clFuchsia);
  EXPECT_EQ(destination.At(0, 0), clWhite);
}
