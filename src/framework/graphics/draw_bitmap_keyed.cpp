#include "framework/graphics/draw_bitmap_keyed.h"

#include <utility>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/masked_stretch_blit.h"

namespace {

// Silences a canvas's about-to-change notification for the life of a scope.
class TChangingSilenced {
 public:
  explicit TChangingSilenced(TCanvas& canvas) : canvas_(canvas), handler_(canvas.OnChanging()) {
    canvas_.SetOnChanging(nullptr);
  }
  ~TChangingSilenced() { canvas_.SetOnChanging(std::move(handler_)); }
  TChangingSilenced(const TChangingSilenced&) = delete;
  TChangingSilenced& operator=(const TChangingSilenced&) = delete;

 private:
  TCanvas& canvas_;
  TNotifyEvent handler_;
};

}  // namespace

void DrawBitmapKeyed(TCanvas& canvas, TBitmap& bitmap, TColor key, int dx, int dy, int dw, int dh,
                     int sx, int sy, int sw, int sh) {
  if (dw <= 0) dw = bitmap.Width();
  if (dh <= 0) dh = bitmap.Height();
  if (sw <= 0 || sh <= 0) {
    sx = 0;
    sy = 0;
    sw = bitmap.Width();
    sh = bitmap.Height();
  }
  HDC destination = canvas.Handle();
  const bool monochrome = bitmap.Monochrome();
  if (!monochrome) SetStretchBltMode(destination, COLORONCOLOR);
  // Reading the bitmap through its own surface is no change to it: it must neither unshare nor
  // drop its stored image for that.
  const TChangingSilenced silenced(bitmap.Canvas());
  HDC source = bitmap.Canvas().Handle();
  if (key == clNone) {
    StretchBlt(destination, dx, dy, dw, dh, source, sx, sy, sw, sh, canvas.CopyMode());
  } else {
    MaskedStretchBlit(destination, dx, dy, dw, dh, source, sx, sy, sw, sh, bitmap.Palette(),
                      monochrome ? clWhite : ColorToRGB(key));
  }
}

void DrawBitmapRectKeyed(TCanvas& canvas, int dx, int dy, int dw, int dh, const TRect& source,
                         TBitmap& bitmap, TColor key) {
  DrawBitmapKeyed(canvas, bitmap, key, dx, dy, dw, dh, source.left, source.top, source.Width(),
                  source.Height());
}
