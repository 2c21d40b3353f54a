#include "framework/graphics/masked_stretch_blit.h"

#include <gtest/gtest.h>

#include "framework/graphics/gdi.h"
#include "framework/graphics/test_surface.h"

using graphics_test::Surface;

namespace {

// A 2 x 2 picture: key colour on the diagonal, red and blue off it.
void PaintDiagonalKey(Surface& picture) {
  picture.Set(0, 0, clFuchsia);
  picture.Set(1, 0, clRed);
  picture.Set(0, 1, clBlue);
  picture.Set(1, 1, clFuchsia);
}

// Every pixel of the destination outside the rectangle still has the colour it was filled with.
void ExpectUntouchedOutside(const Surface& destination, const TRect& rect, TColor fill) {
  for (int y = 0; y < destination.bitmap().Height(); ++y) {
    for (int x = 0; x < destination.bitmap().Width(); ++x) {
      const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
      if (!inside) {
        ASSERT_EQ(destination.At(x, y), fill) << x << "," << y;
      }
    }
  }
}

}  // namespace

TEST(MaskedStretchBlit, StretchedKeyPixelsKeepTheDestinationAndNothingOutsideChanges) {
  Surface picture(2, 2, 32), destination(8, 8, 32);
  PaintDiagonalKey(picture);
  destination.Fill(clGreen);
  MaskedStretchBlit(destination.dc(), 2, 3, 4, 4, picture.dc(), 0, 0, 2, 2, nullptr, clFuchsia);
  // Each source pixel covers a 2 x 2 block.
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(destination.At(2 + x, 3 + y), clGreen);
      EXPECT_EQ(destination.At(4 + x, 3 + y), clRed);
      EXPECT_EQ(destination.At(2 + x, 5 + y), clBlue);
      EXPECT_EQ(destination.At(4 + x, 5 + y), clGreen);
    }
  }
  ExpectUntouchedOutside(destination, Rect(2, 3, 6, 7), clGreen);
}

TEST(MaskedStretchBlit, AKeyTheSourceLacksCopiesItOpaquely) {
  Surface picture(2, 2, 24), destination(4, 4, 32);
  PaintDiagonalKey(picture);
  destination.Fill(clGreen);
  MaskedStretchBlit(destination.dc(), 1, 1, 2, 2, picture.dc(), 0, 0, 2, 2, nullptr, clLime);
  EXPECT_EQ(destination.At(1, 1), clFuchsia);
  EXPECT_EQ(destination.At(2, 1), clRed);
  EXPECT_EQ(destination.At(1, 2), clBlue);
  EXPECT_EQ(destination.At(2, 2), clFuchsia);
  ExpectUntouchedOutside(destination, Rect(1, 1, 3, 3), clGreen);
}

TEST(MaskedStretchBlit, ShrinksAPartOfTheSourceInTheDestinationsStretchMode) {
  Surface picture(4, 2, 32), destination(2, 2, 32);
  picture.Fill(clFuchsia);
  picture.Set(2, 0, clRed);
  picture.Set(3, 1, clBlue);
  destination.Fill(clGreen);
  SetStretchBltMode(destination.dc(), COLORONCOLOR);
  // Columns 2 and 3 onto one column: the first of each pair of columns is kept, not blended.
  MaskedStretchBlit(destination.dc(), 0, 0, 1, 2, picture.dc(), 2, 0, 2, 2, nullptr, clFuchsia);
  EXPECT_EQ(destination.At(0, 0), clRed);
  EXPECT_EQ(destination.At(0, 1), clGreen);
  EXPECT_EQ(destination.At(1, 0), clGreen);
}

TEST(MaskedStretchBlit, APaletteChangesNothingOnTrueColourAndTheDestinationGetsItsOwnBack) {
  TColorTable table{};
  table[0] = clFuchsia;
  table[1] = clNavy;
  Surface picture(2, 1, 8, table), withPalette(2, 1, 32), without(2, 1, 32);
  picture.bitmap().SetPixel(0, 0, 0);
  picture.bitmap().SetPixel(1, 0, 1);
  const PALETTEENTRY entries[] = {{255, 0, 255, 0}, {0, 0, 128, 0}};
  HPALETTE palette = CreatePalette(entries);
  HPALETTE own = CreatePalette(entries);
  SelectPalette(withPalette.dc(), own, false);
  for (Surface* destination : {&withPalette, &without}) {
    destination->Fill(clYellow);
    MaskedStretchBlit(destination->dc(), 0, 0, 2, 1, picture.dc(), 0, 0, 2, 1,
                      destination == &withPalette ? palette : nullptr, clFuchsia);
    EXPECT_EQ(destination->At(0, 0), clYellow);
    EXPECT_EQ(destination->At(1, 0), clNavy);
  }
  EXPECT_EQ(SelectPalette(withPalette.dc(), nullptr, false), own);
  DeleteObject(palette);
  DeleteObject(own);
}

TEST(MaskedStretchBlit, SizesNoScratchBitmapCanHaveDrawNothing) {
  Surface picture(2, 2, 32), destination(4, 4, 32);
  PaintDiagonalKey(picture);
  struct Sizes {
    int dw, dh, sw, sh;
  };
  for (const Sizes& sizes : {Sizes{0, 2, 2, 2}, Sizes{2, -2, 2, 2}, Sizes{2, 2, 0, 2},
                             Sizes{2, 2, 2, -1}, Sizes{2, 2, 1 << 15, 1}}) {
    destination.Fill(clGreen);
    MaskedStretchBlit(destination.dc(), 1, 1, sizes.dw, sizes.dh, picture.dc(), 0, 0, sizes.sw,
                      sizes.sh, nullptr, clFuchsia);
    ExpectUntouchedOutside(destination, {}, clGreen);
  }
}

TEST(MaskedStretchBlit, StretchesAnIndexedPictureKeyedThroughItsPalette) {
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
