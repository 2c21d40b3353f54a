// The two-mask transparent copy that the image controls build on, written step by step with the
// device calls exactly as that drawing routine makes them, to prove the device supports it.
#include <gtest/gtest.h>

#include "framework/graphics/gdi.h"
#include "test_surface.h"

using graphics_test::Surface;

namespace {

void TwoMaskCopy(HDC dd, int dx, int dy, int dw, int dh, HDC ds, int sx, int sy, int sw, int sh,
                 HPALETTE palette, TColor key) {
  HDC maskDc = CreateCompatibleDC(dd), inverseDc = CreateCompatibleDC(dd);
  HDC workDc = CreateCompatibleDC(dd), copyDc = CreateCompatibleDC(dd);
  HBITMAP mask = CreateBitmap(sw, sh, 1, 1), inverse = CreateBitmap(sw, sh, 1, 1);
  HBITMAP work = CreateCompatibleBitmap(dd, dw, dh), copy = CreateCompatibleBitmap(dd, sw, sh);
  HBITMAP oldMask = SelectObject(maskDc, mask), oldInverse = SelectObject(inverseDc, inverse);
  HBITMAP oldWork = SelectObject(workDc, work), oldCopy = SelectObject(copyDc, copy);
  HPALETTE oldDd = nullptr, oldCopyPal = nullptr, oldMaskPal = nullptr, oldWorkPal = nullptr;
  if (palette != nullptr) {
    oldDd = SelectPalette(dd, palette, true);
    RealizePalette(dd);
    oldCopyPal = SelectPalette(copyDc, palette, false);
    RealizePalette(copyDc);
    oldMaskPal = SelectPalette(maskDc, palette, false);
    RealizePalette(maskDc);
    oldWorkPal = SelectPalette(workDc, palette, true);
    RealizePalette(workDc);
  }
  SetMapMode(ds, GetMapMode(dd));
  SetMapMode(copyDc, GetMapMode(dd));
  BitBlt(copyDc, 0, 0, sw, sh, ds, sx, sy, SRCCOPY);
  const TColor oldBack =
      SetBkColor(copyDc, PALETTERGB(GetRValue(key), GetGValue(key), GetBValue(key)));
  BitBlt(maskDc, 0, 0, sw, sh, copyDc, 0, 0, SRCCOPY);
  SetBkColor(copyDc, oldBack);
  BitBlt(inverseDc, 0, 0, sw, sh, maskDc, 0, 0, NOTSRCCOPY);
  BitBlt(workDc, 0, 0, dw, dh, dd, dx, dy, SRCCOPY);
  StretchBlt(workDc, 0, 0, dw, dh, maskDc, 0, 0, sw, sh, SRCAND);
  BitBlt(copyDc, 0, 0, sw, sh, inverseDc, 0, 0, SRCAND);
  StretchBlt(workDc, 0, 0, dw, dh, copyDc, 0, 0, sw, sh, SRCPAINT);
  BitBlt(dd, dx, dy, dw, dh, workDc, 0, 0, SRCCOPY);
  if (palette != nullptr) {
    SelectPalette(workDc, oldWorkPal, false);
    SelectPalette(maskDc, oldMaskPal, false);
    SelectPalette(copyDc, oldCopyPal, false);
    SelectPalette(dd, oldDd, true);
  }
  SelectObject(maskDc, oldMask);
  SelectObject(inverseDc, oldInverse);
  SelectObject(workDc, oldWork);
  SelectObject(copyDc, oldCopy);
  for (HBITMAP bitmap : {mask, inverse, work, copy})
    DeleteObject(bitmap);
  for (HDC dc : {maskDc, inverseDc, workDc, copyDc})
    DeleteDC(dc);
}

}  // namespace

TEST(MaskedCopy, KeyColourPixelsLeaveTheDestination) {
  Surface picture(2, 2, 32), destination(4, 4, 32);
  picture.Set(0, 0, clFuchsia);
  picture.Set(1, 0, clRed);
  picture.Set(0, 1, clBlue);
  picture.Set(1, 1, clFuchsia);
  destination.Fill(clGreen);
  TwoMaskCopy(destination.dc(), 1, 1, 2, 2, picture.dc(), 0, 0, 2, 2, nullptr, clFuchsia);
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
  TwoMaskCopy(destination.dc(), 0, 0, 4, 2, picture.dc(), 0, 0, 2, 1, palette, clFuchsia);
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
  TwoMaskCopy(destination.dc(), 0, 0, 1, 1, picture.dc(), 0, 0, 1, 1, nullptr, clFuchsia);
  EXPECT_EQ(destination.At(0, 0), clWhite);
}
