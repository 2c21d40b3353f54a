#include "gif/picture/alpha_keyed_icon.h"

#include <algorithm>
#include <cstdint>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon_codec.h"

namespace {

constexpr std::uint32_t kHalfCovered = 128;

}  // namespace

void DrawAlphaKeyed(TBitmap& bitmap, const TIconImage& image) {
  TCanvas& canvas = bitmap.Canvas();
  const int height = std::min(image.Height(), bitmap.Height());
  const int width = std::min(image.Width(), bitmap.Width());
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = image.color->Row32(y);
    for (int x = 0; x < width; ++x) {
      if (row[x] >> 24 >= kHalfCovered)
        canvas.SetPixel(x, y, static_cast<TColor>(SwapRedBlue(row[x] & 0xFFFFFF)));
    }
  }
}
