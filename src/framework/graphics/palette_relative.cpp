#include "framework/graphics/palette_relative.h"

TColor PaletteRelative(TColor color) {
  return static_cast<TColor>(static_cast<std::uint32_t>(ColorToRGB(color)) | kPaletteRelativeFlag);
}
