#include "framework/graphics/device_context.h"

#include <gtest/gtest.h>

#include "framework/graphics/gdi.h"
#include "test_surface.h"

using graphics_test::BrushScope;
using graphics_test::Surface;

TEST(DeviceContext, FreshSurfaceHasThePlatformDefaults) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetTextColor(dc), clBlack);
  EXPECT_EQ(GetBkColor(dc), clWhite);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
  EXPECT_EQ(GetMapMode(dc), MM_TEXT);
  // Its first bitmap is a 1 x 1 monochrome one, so compatible bitmaps are monochrome.
  HBITMAP compatible = CreateCompatibleBitmap(dc, 5, 5);
  EXPECT_TRUE(compatible->IsMonochrome());
  DeleteObject(compatible);
  HBITMAP screen = CreateCompatibleBitmap(nullptr, 5, 5);
  EXPECT_EQ(screen->BitsPerPixel(), 32);
  DeleteObject(screen);
  DeleteDC(dc);
}

TEST(DeviceContext, CompatibleBitmapsTakeTheSelectedBitmapsFormat) {
  TColorTable table{};
  table[3] = clTeal;
  Surface indexed(2, 2, 8, table);
  HBITMAP made = CreateCompatibleBitmap(indexed.dc(), 4, 4);
  EXPECT_EQ(made->BitsPerPixel(), 8);
  EXPECT_EQ(made->ColorTable()[3], clTeal);
  DeleteObject(made);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 10), nullptr);
}

TEST(DeviceContext, ViewportOriginMovesDrawing) {
  Surface surface(4, 4, 32);
  surface.Fill(clWhite);
  BrushScope brush(surface.dc(), clRed);
  SetViewportOrgEx(surface.dc(), 2, 1, nullptr);
  PatBlt(surface.dc(), 0, 0, 1, 1, PATCOPY);
  EXPECT_EQ(surface.At(2, 1), clRed);
  EXPECT_EQ(surface.At(0, 0), clWhite);
  EXPECT_EQ(GetPixel(surface.dc(), 0, 0), clRed);

  // The source's origin applies to where it is read.
  Surface copy(1, 1, 32);
  BitBlt(copy.dc(), 0, 0, 1, 1, surface.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(copy.At(0, 0), clRed);
}

TEST(DeviceContext, ClippingLimitsEveryKindOfDrawing) {
  Surface surface(6, 6, 32), source(6, 6, 32);
  source.Fill(clBlue);
  surface.Fill(clWhite);
  SetViewportOrgEx(surface.dc(), 1, 1, nullptr);
  EXPECT_EQ(IntersectClipRect(surface.dc(), 0, 0, 2, 2), SIMPLEREGION);  // pixels 1..2
  TRect box;
  GetClipBox(surface.dc(), &box);
  EXPECT_EQ(box, Rect(0, 0, 2, 2));
  BitBlt(surface.dc(), -1, -1, 6, 6, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(surface.At(1, 1), clBlue);
  EXPECT_EQ(surface.At(2, 2), clBlue);
  EXPECT_EQ(surface.At(0, 0), clWhite);
  EXPECT_EQ(surface.At(3, 3), clWhite);
  SetPixel(surface.dc(), 3, 3, clRed);  // outside the clip
  EXPECT_EQ(surface.At(4, 4), clWhite);
  EXPECT_EQ(IntersectClipRect(surface.dc(), 5, 5, 6, 6), NULLREGION);
  SelectClipRect(surface.dc(), nullptr);
  SetPixel(surface.dc(), 3, 3, clRed);
  EXPECT_EQ(surface.At(4, 4), clRed);
}

TEST(DeviceContext, SaveAndRestoreBringBackTheWholeState) {
  Surface surface(4, 4, 32);
  HDC dc = surface.dc();
  SetTextColor(dc, clRed);
  const int level = SaveDC(dc);
  EXPECT_EQ(level, 1);
  SetTextColor(dc, clBlue);
  SetBkColor(dc, clGreen);
  SetBkMode(dc, TRANSPARENT);
  SetStretchBltMode(dc, COLORONCOLOR);
  SetMapMode(dc, MM_ANISOTROPIC);
  SetViewportOrgEx(dc, 5, 6, nullptr);
  IntersectClipRect(dc, 0, 0, 1, 1);
  HBRUSH brush = CreateSolidBrush(clNavy);
  SelectObject(dc, brush);
  EXPECT_EQ(SaveDC(dc), 2);
  SetTextColor(dc, clYellow);

  EXPECT_TRUE(RestoreDC(dc, level));
  EXPECT_EQ(GetTextColor(dc), clRed);
  EXPECT_EQ(GetBkColor(dc), clWhite);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
  EXPECT_EQ(GetMapMode(dc), MM_TEXT);
  TPoint origin;
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin, (TPoint{0, 0}));
  TRect box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box, Rect(0, 0, 4, 4));
  EXPECT_EQ(dc->Current().brush.Get(), StockBrush(WHITE_BRUSH));
  EXPECT_FALSE(RestoreDC(dc, -1));  // the second save went with the first
  DeleteObject(brush);              // no longer held anywhere
}

TEST(DeviceContext, ObjectsDeletedWhileHeldStayUntilReleased) {
  Surface surface(2, 2, 32);
  HBRUSH brush = CreateSolidBrush(clRed);
  SelectObject(surface.dc(), brush);
  SaveDC(surface.dc());
  EXPECT_TRUE(DeleteObject(brush));  // selected and saved: kept alive
  PatBlt(surface.dc(), 0, 0, 2, 2, PATCOPY);
  EXPECT_EQ(surface.At(1, 1), clRed);
  RestoreDC(surface.dc(), -1);
  SelectObject(surface.dc(), StockBrush(WHITE_BRUSH));  // now it goes (sanitizers check)
  EXPECT_FALSE(DeleteObject(StockBrush(WHITE_BRUSH)));
}

TEST(DeviceContext, NearestColourOnAPaletteSurface) {
  TColorTable table{};
  table[0] = RGB(0, 0, 0);
  table[1] = RGB(250, 0, 0);
  table[2] = RGB(120, 0, 0);
  Surface surface(2, 2, 8, table);
  EXPECT_EQ(GetNearestColor(surface.dc(), RGB(200, 0, 0)), RGB(250, 0, 0));
  EXPECT_EQ(GetNearestColor(surface.dc(), RGB(100, 0, 0)), RGB(120, 0, 0));

  // A palette-relative colour picks from the selected palette first.
  const PALETTEENTRY entries[] = {{0, 0, 0, 0}, {120, 0, 0, 0}};
  HPALETTE palette = CreatePalette(entries);
  SelectPalette(surface.dc(), palette, false);
  EXPECT_EQ(RealizePalette(surface.dc()), 2u);
  EXPECT_EQ(GetNearestColor(surface.dc(), PALETTERGB(200, 0, 0)), RGB(120, 0, 0));
  EXPECT_EQ(GetNearestColor(surface.dc(), RGB(200, 0, 0)), RGB(250, 0, 0));
  EXPECT_EQ(GetNearestColor(surface.dc(), PALETTEINDEX(1)), RGB(120, 0, 0));
  SelectPalette(surface.dc(), nullptr, false);
  DeleteObject(palette);

  // A true-colour surface shows every colour; system colours are resolved.
  Surface trueColour(1, 1, 32);
  EXPECT_EQ(GetNearestColor(trueColour.dc(), RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(GetNearestColor(trueColour.dc(), clWindow), clWhite);
  EXPECT_EQ(GetNearestColor(trueColour.dc(), PALETTERGB(1, 2, 3)), RGB(1, 2, 3));
}

TEST(Palette, NearestIndexAndColourQueries) {
  const PALETTEENTRY entries[] = {{0, 0, 0, 0}, {255, 255, 255, 0}, {255, 0, 255, 0}};
  HPALETTE palette = CreatePalette(entries);
  EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(240, 10, 250)), 2u);
  EXPECT_EQ(GetNearestPaletteIndex(palette, clWindow), 1u);
  EXPECT_EQ(palette->NearestColor(RGB(20, 20, 20)), clBlack);
  PALETTEENTRY copy[3];
  EXPECT_EQ(GetPaletteEntries(palette, 1, 5, copy), 2u);
  EXPECT_EQ(copy[1], entries[2]);
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 3u);
  DeleteObject(palette);
}
