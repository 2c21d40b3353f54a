#pragma once

#include "framework/graphics/gdi.h"

namespace graphics_test {

// The transparent copy of the image controls, step by step with the device calls that drawing
// routine makes: copy, colour-to-monochrome mask by the background colour, inverse mask, and the
// AND / AND / OR combination on a work surface that is read from and written to the destination
// once.
inline void TwoMaskCopy(HDC dd, int dx, int dy, int dw, int dh, HDC ds, int sx, int sy, int sw,
                        int sh, HPALETTE palette, TColor key) {
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

}  // namespace graphics_test
