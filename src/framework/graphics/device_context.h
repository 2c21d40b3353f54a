#pragma once

#include <optional>
#include <vector>

#include "framework/graphics/bitmap_object.h"
#include "framework/graphics/color.h"
#include "framework/graphics/drawing_tools.h"
#include "framework/graphics/palette.h"
#include "framework/graphics/types.h"

enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
enum : int {
  MM_TEXT = 1,
  MM_LOMETRIC = 2,
  MM_HIMETRIC = 3,
  MM_LOENGLISH = 4,
  MM_HIENGLISH = 5,
  MM_TWIPS = 6,
  MM_ISOTROPIC = 7,
  MM_ANISOTROPIC = 8,
};
enum : int { ERROR_REGION = 0, NULLREGION = 1, SIMPLEREGION = 2 };
inline constexpr TColor CLR_INVALID = static_cast<TColor>(0xFFFFFFFF);

// A memory drawing surface. It always has a bitmap selected (a 1 x 1 monochrome one at first, as
// the platform's memory surfaces do, shared and never drawn on) and draws into its bitmap;
// coordinates are logical, turned into bitmap pixels by the viewport origin, and drawing is clipped
// to the clip rectangle and the bitmap. Only the text mapping mode (one logical unit per pixel) is
// drawn; other modes are kept so that they can be copied between surfaces.
class TDeviceContext {
 public:
  struct State {
    TGdiReference<TBitmapObject> bitmap;
    TGdiReference<TPaletteObject> palette;  // none: the default palette
    bool paletteBackground = false;
    TGdiReference<TBrushObject> brush;
    TGdiReference<TPenObject> pen;
    TGdiReference<TFontObject> font;
    TColor textColor = clBlack;
    TColor backgroundColor = clWhite;
    int backgroundMode = OPAQUE;
    int stretchMode = BLACKONWHITE;
    int mapMode = MM_TEXT;
    TPoint viewportOrigin;
    std::optional<TRect> clip;  // in bitmap pixels; none: the whole bitmap
    TPoint penPosition;         // logical
  };

  TDeviceContext();
  TDeviceContext(const TDeviceContext&) = delete;
  TDeviceContext& operator=(const TDeviceContext&) = delete;

  State& Current() { return state_; }
  const State& Current() const { return state_; }
  TBitmapObject& Bitmap() const { return *state_.bitmap.Get(); }

  int Save();
  bool Restore(int level);

  TPoint ToDevice(TPoint logical) const {
    return {logical.x + state_.viewportOrigin.x, logical.y + state_.viewportOrigin.y};
  }
  TRect ToDevice(const TRect& logical) const;
  // The pixels drawing may touch: the clip rectangle within the bitmap.
  TRect DrawableArea() const;

  // The physical pixel value of a colour on this surface: system colours resolved; palette-
  // relative colours through the selected palette; then the nearest colour the bitmap can hold.
  std::uint32_t PhysicalColor(TColor color) const;
  // That value as a plain RGB colour.
  TColor NearestColor(TColor color) const { return Bitmap().ColorOf(PhysicalColor(color)); }

 private:
  State state_;
  std::vector<State> saved_;
};

// A new memory surface compatible with dc; a null dc means the screen (32 bits per pixel).
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
// A bitmap in the format of the one selected into dc (monochrome for a fresh memory surface, as
// on the platform); a null dc means the screen's 32 bits. Null when the size is refused.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// Each returns the object it replaces.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HPEN SelectObject(HDC dc, HPEN pen);
HFONT SelectObject(HDC dc, HFONT font);
HBITMAP GetCurrentBitmap(HDC dc);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground);
// Maps the selected palette onto the surface; returns the number of its entries.
unsigned RealizePalette(HDC dc);

TColor SetBkColor(HDC dc, TColor color);
TColor GetBkColor(HDC dc);
TColor SetTextColor(HDC dc, TColor color);
TColor GetTextColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous);
bool GetViewportOrgEx(HDC dc, TPoint* origin);

// Narrows the clip area to a logical rectangle; returns NULLREGION when nothing is left.
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
// Moves the viewport origin by (dx, dy) and narrows the clip area to (0, 0, width, height) there,
// as drawing within a part of the surface needs; returns NULLREGION when nothing is left.
int OffsetViewportAndClip(HDC dc, int dx, int dy, int width, int height);
// Sets the clip area to a rectangle in bitmap pixels, or removes it with null (the platform's
// SelectClipRgn with a rectangular region).
int SelectClipRect(HDC dc, const TRect* deviceRect);
// The logical bounds of the area drawing may touch.
int GetClipBox(HDC dc, TRect* rect);

// Saves the surface's state; returns the new depth of the save stack (0 on failure).
int SaveDC(HDC dc);
// Returns to a saved state: level counts from 1, or backwards from -1 (the last saved).
bool RestoreDC(HDC dc, int level);

// The colour the surface would really draw for color, as plain RGB.
TColor GetNearestColor(HDC dc, TColor color);

// A memory surface that is deleted at the end of a scope.
class TScopedDC {
 public:
  explicit TScopedDC(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
  ~TScopedDC() { DeleteDC(dc_); }
  TScopedDC(const TScopedDC&) = delete;
  TScopedDC& operator=(const TScopedDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Saves a surface's state and restores it at the end of a scope.
class TSavedDCState {
 public:
  explicit TSavedDCState(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
  ~TSavedDCState() { RestoreDC(dc_, level_); }
  TSavedDCState(const TSavedDCState&) = delete;
  TSavedDCState& operator=(const TSavedDCState&) = delete;

 private:
  HDC dc_;
  int level_;
};
