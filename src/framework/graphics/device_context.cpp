#include "framework/graphics/device_context.h"

#include <algorithm>

namespace {

HBITMAP StockMonochromeBitmap() {
  static HBITMAP const bitmap = [] {
    HBITMAP created = TBitmapObject::Create(1, 1, 1);
    created->MakeStock();
    return created;
  }();
  return bitmap;
}

TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

}  // namespace

TDeviceContext::TDeviceContext() {
  state_.bitmap = TGdiReference<TBitmapObject>(StockMonochromeBitmap());
  state_.brush = TGdiReference<TBrushObject>(StockBrush(WHITE_BRUSH));
  state_.pen = TGdiReference<TPenObject>(StockPen(BLACK_PEN));
  state_.font = TGdiReference<TFontObject>(StockFont(SYSTEM_FONT));
}

int TDeviceContext::Save() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

bool TDeviceContext::Restore(int level) {
  const int depth = static_cast<int>(saved_.size());
  const int target = level < 0 ? depth + level + 1 : level;
  if (target < 1 || target > depth) return false;
  state_ = saved_[static_cast<std::size_t>(target - 1)];
  saved_.resize(static_cast<std::size_t>(target - 1));
  return true;
}

TRect TDeviceContext::ToDevice(const TRect& logical) const {
  const TPoint topLeft = ToDevice(TPoint{logical.left, logical.top});
  const TPoint bottomRight = ToDevice(TPoint{logical.right, logical.bottom});
  return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

TRect TDeviceContext::DrawableArea() const {
  // The shared first bitmap of every fresh surface is never drawn on.
  if (Bitmap().IsStock()) return {};
  const TRect whole{0, 0, Bitmap().Width(), Bitmap().Height()};
  return state_.clip ? Intersect(*state_.clip, whole) : whole;
}

std::uint32_t TDeviceContext::PhysicalColor(TColor color) const {
  TColor rgb = ColorToRGB(color);
  const auto flags = static_cast<std::uint32_t>(rgb) & 0xFF000000u;
  const TPaletteObject* palette = state_.palette.Get();
  if (palette != nullptr && Bitmap().IsIndexed()) {
    if (flags == kPaletteIndexFlag) {
      const int index = rgb & 0xFFFF;
      rgb = palette->Colors()[static_cast<std::size_t>(std::min(index, palette->Count() - 1))];
    } else if (flags == kPaletteRelativeFlag) {
      rgb = palette->NearestColor(rgb & 0xFFFFFF);
    }
  }
  return Bitmap().ValueOf(rgb & 0xFFFFFF);
}

HDC CreateCompatibleDC(HDC) {
  return new TDeviceContext();
}

bool DeleteDC(HDC dc) {
  delete dc;
  return dc != nullptr;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  if (dc == nullptr) return TBitmapObject::Create(width, height, 32);
  const TBitmapObject& model = dc->Bitmap();
  return TBitmapObject::Create(width, height, model.BitsPerPixel(), model.ColorTable());
}

namespace {

template <typename T>
T* Replace(TGdiReference<T>& slot, T* object) {
  if (object == nullptr) return nullptr;
  T* previous = slot.Get();
  slot = TGdiReference<T>(object);
  return previous;
}

template <typename T>
T Exchange(T& slot, T value) {
  T previous = slot;
  slot = value;
  return previous;
}

}  // namespace

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
  return dc ? Replace(dc->Current().bitmap, bitmap) : nullptr;
}
HBRUSH SelectObject(HDC dc, HBRUSH brush) {
  return dc ? Replace(dc->Current().brush, brush) : nullptr;
}
HPEN SelectObject(HDC dc, HPEN pen) {
  return dc ? Replace(dc->Current().pen, pen) : nullptr;
}
HFONT SelectObject(HDC dc, HFONT font) {
  return dc ? Replace(dc->Current().font, font) : nullptr;
}
HBITMAP GetCurrentBitmap(HDC dc) {
  return dc ? dc->Current().bitmap.Get() : nullptr;
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground) {
  if (dc == nullptr) return nullptr;
  HPALETTE previous = dc->Current().palette.Get();
  dc->Current().palette = TGdiReference<TPaletteObject>(palette);
  dc->Current().paletteBackground = forceBackground;
  return previous;
}

unsigned RealizePalette(HDC dc) {
  if (dc == nullptr || !dc->Current().palette) return 0;
  return static_cast<unsigned>(dc->Current().palette->Count());
}

TColor SetBkColor(HDC dc, TColor color) {
  return dc ? Exchange(dc->Current().backgroundColor, color) : CLR_INVALID;
}
TColor GetBkColor(HDC dc) {
  return dc ? dc->Current().backgroundColor : CLR_INVALID;
}
TColor SetTextColor(HDC dc, TColor color) {
  return dc ? Exchange(dc->Current().textColor, color) : CLR_INVALID;
}
TColor GetTextColor(HDC dc) {
  return dc ? dc->Current().textColor : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
  if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return Exchange(dc->Current().backgroundMode, mode);
}
int GetBkMode(HDC dc) {
  return dc ? dc->Current().backgroundMode : 0;
}

int SetStretchBltMode(HDC dc, int mode) {
  if (dc == nullptr || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return Exchange(dc->Current().stretchMode, mode);
}
int GetStretchBltMode(HDC dc) {
  return dc ? dc->Current().stretchMode : 0;
}

int SetMapMode(HDC dc, int mode) {
  if (dc == nullptr || mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
  return Exchange(dc->Current().mapMode, mode);
}
int GetMapMode(HDC dc) {
  return dc ? dc->Current().mapMode : 0;
}

bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous) {
  if (dc == nullptr) return false;
  const TPoint old = Exchange(dc->Current().viewportOrigin, TPoint{x, y});
  if (previous != nullptr) *previous = old;
  return true;
}

bool GetViewportOrgEx(HDC dc, TPoint* origin) {
  if (dc == nullptr || origin == nullptr) return false;
  *origin = dc->Current().viewportOrigin;
  return true;
}

namespace {

int RegionKind(const TRect& area) {
  return area.IsEmpty() ? NULLREGION : SIMPLEREGION;
}

}  // namespace

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  if (dc == nullptr) return ERROR_REGION;
  const TRect wanted = dc->ToDevice(TRect{left, top, right, bottom});
  auto& clip = dc->Current().clip;
  clip = clip ? Intersect(*clip, wanted) : wanted;
  return RegionKind(dc->DrawableArea());
}

int OffsetViewportAndClip(HDC dc, int dx, int dy, int width, int height) {
  TPoint origin;
  if (!GetViewportOrgEx(dc, &origin)) return ERROR_REGION;
  SetViewportOrgEx(dc, origin.x + dx, origin.y + dy, nullptr);
  return IntersectClipRect(dc, 0, 0, width, height);
}

int SelectClipRect(HDC dc, const TRect* deviceRect) {
  if (dc == nullptr) return ERROR_REGION;
  if (deviceRect != nullptr) {
    dc->Current().clip = *deviceRect;
  } else {
    dc->Current().clip.reset();
  }
  return RegionKind(dc->DrawableArea());
}

int GetClipBox(HDC dc, TRect* rect) {
  if (dc == nullptr || rect == nullptr) return ERROR_REGION;
  const TRect area = dc->DrawableArea();
  const TPoint origin = dc->Current().viewportOrigin;
  *rect = {area.left - origin.x, area.top - origin.y, area.right - origin.x,
           area.bottom - origin.y};
  return RegionKind(area);
}

int SaveDC(HDC dc) {
  return dc ? dc->Save() : 0;
}

bool RestoreDC(HDC dc, int level) {
  return dc != nullptr && dc->Restore(level);
}

TColor GetNearestColor(HDC dc, TColor color) {
  return dc ? dc->NearestColor(color) : CLR_INVALID;
}
