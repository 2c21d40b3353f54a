#include "framework/graphics/masked_stretch_blit.h"

#include "framework/graphics/gdi.h"
#include "framework/graphics/palette_relative.h"

namespace {

// A memory surface compatible with another, with a bitmap of its own selected; at the end of the
// scope the surface's first bitmap goes back, then the bitmap and the surface are deleted.
class TScratchSurface {
 public:
  TScratchSurface(HDC compatible, HBITMAP bitmap)
      : dc_(CreateCompatibleDC(compatible)),
        bitmap_(bitmap),
        previous_(SelectObject(dc_, bitmap)) {}
  ~TScratchSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  TScratchSurface(const TScratchSurface&) = delete;
  TScratchSurface& operator=(const TScratchSurface&) = delete;

  HDC Get() const { return dc_; }
  bool HasBitmap() const { return bitmap_ != nullptr; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HBITMAP previous_;
};

// Selects a palette into a surface and realises it (nothing without a palette); at the end of the
// scope the surface's earlier palette goes back.
class TSelectedPalette {
 public:
  TSelectedPalette(HDC dc, HPALETTE palette, bool inBackground, bool restoreInBackground)
      : dc_(palette != nullptr ? dc : nullptr), restoreInBackground_(restoreInBackground) {
    if (dc_ == nullptr) return;
    previous_ = SelectPalette(dc_, palette, inBackground);
    RealizePalette(dc_);
  }
  ~TSelectedPalette() {
    if (dc_ != nullptr) SelectPalette(dc_, previous_, restoreInBackground_);
  }
  TSelectedPalette(const TSelectedPalette&) = delete;
  TSelectedPalette& operator=(const TSelectedPalette&) = delete;

 private:
  HDC dc_;
  HPALETTE previous_ = nullptr;
  bool restoreInBackground_;
};

}  // namespace

void MaskedStretchBlit(HDC destination, int dx, int dy, int dw, int dh, HDC source, int sx, int sy,
                       int sw, int sh, HPALETTE palette, TColor key) {
  const TScratchSurface mask(destination, CreateBitmap(sw, sh, 1, 1));
  const TScratchSurface inverse(destination, CreateBitmap(sw, sh, 1, 1));
  const TScratchSurface work(destination, CreateCompatibleBitmap(destination, dw, dh));
  const TScratchSurface copy(destination, CreateCompatibleBitmap(destination, sw, sh));
  // Without all four bitmaps the masks would black out the destination rectangle.
  if (!mask.HasBitmap() || !inverse.HasBitmap() || !work.HasBitmap() || !copy.HasBitmap()) return;

  // Released in the reverse order: work, mask, copy, then the destination.
  const TSelectedPalette destinationPalette(destination, palette, true, true);
  const TSelectedPalette copyPalette(copy.Get(), palette, false, false);
  const TSelectedPalette maskPalette(mask.Get(), palette, false, false);
  const TSelectedPalette workPalette(work.Get(), palette, true, false);

  SetMapMode(source, GetMapMode(destination));
  SetMapMode(copy.Get(), GetMapMode(destination));
  BitBlt(copy.Get(), 0, 0, sw, sh, source, sx, sy, SRCCOPY);

  // Colour to monochrome: the key pixels (the copy's background colour) become 1, all others 0.
  const TColor background = SetBkColor(copy.Get(), PaletteRelative(key));
  BitBlt(mask.Get(), 0, 0, sw, sh, copy.Get(), 0, 0, SRCCOPY);
  SetBkColor(copy.Get(), background);
  BitBlt(inverse.Get(), 0, 0, sw, sh, mask.Get(), 0, 0, NOTSRCCOPY);

  // The fresh work and copy surfaces turn monochrome 0 into black and 1 into white, which on a
  // true-colour surface are all bits clear and all bits set: the masks cut exact holes, the
  // background keeps the key pixels' places, the picture the others, and OR joins them.
  BitBlt(work.Get(), 0, 0, dw, dh, destination, dx, dy, SRCCOPY);
  // The stretches happen on the work surface; they follow the destination's stretch mode, so that
  // a caller who asked for dropped rather than blended pixels gets them here too.
  SetStretchBltMode(work.Get(), GetStretchBltMode(destination));
  StretchBlt(work.Get(), 0, 0, dw, dh, mask.Get(), 0, 0, sw, sh, SRCAND);
  BitBlt(copy.Get(), 0, 0, sw, sh, inverse.Get(), 0, 0, SRCAND);
  StretchBlt(work.Get(), 0, 0, dw, dh, copy.Get(), 0, 0, sw, sh, SRCPAINT);
  BitBlt(destination, dx, dy, dw, dh, work.Get(), 0, 0, SRCCOPY);
}
