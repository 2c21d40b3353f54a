#include "framework/controls/icon_pixels.h"

#include "framework/graphics/bitmap_object.h"

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t Argb(TColor color, std::uint32_t alpha) {
  return alpha | static_cast<std::uint32_t>(GetRValue(color)) << 16 |
         static_cast<std::uint32_t>(GetGValue(color)) << 8 | GetBValue(color);
}

std::uint32_t MaskedPixel(const TIconImage& image, int x, int y) {
  const TColor color = image.color->PixelColor(x, y);
  const bool masked = image.mask != nullptr && image.mask->Pixel(x, y) != 0;
  if (!masked) return Argb(color, kOpaque);
  return (color & 0xFFFFFF) == 0 ? 0u : Argb(clBlack, kOpaque);
}

}  // namespace

TArgbImage ArgbImageOf(const TIconImage& image) {
  TArgbImage result;
  result.width = image.Width();
  result.height = image.Height();
  result.pixels.resize(static_cast<std::size_t>(result.width) * result.height);
  const bool alpha = image.HasAlpha();
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) {
      result.pixels[static_cast<std::size_t>(y) * result.width + x] =
          alpha ? image.color->Row32(y)[x] : MaskedPixel(image, x, y);
    }
  }
  return result;
}

TArgbImage ArgbImageOf(const TIcon& icon) {
  // Width() and Height() are those of the image shown; they only read.
  TIcon& shown = const_cast<TIcon&>(icon);
  const TIconImage* image = DeepestImageOfSize(icon, shown.Width(), shown.Height());
  return image != nullptr ? ArgbImageOf(*image) : TArgbImage{};
}

const TIconImage* DeepestImageOfSize(const TIcon& icon, int width, int height) {
  const TIconImage* best = nullptr;
  for (int i = 0; i < icon.ImageCount(); ++i) {
    const TIconImage& image = icon.Image(i);
    if (image.Width() != width || image.Height() != height) continue;
    if (best == nullptr || image.color->BitsPerPixel() > best->color->BitsPerPixel()) {
      best = &image;
    }
  }
  return best;
}

TCursorImage CursorImageOf(const TIcon& icon) {
  return {ArgbImageOf(icon), icon.HotSpot().x, icon.HotSpot().y};
}
