#include "framework/graphics/dib_reader.h"
#include "framework/graphics/png_image.h"

// Builds without libpng (the cross-compiled Windows program, whose platform reads its own cursors)
// recognise PNG images but cannot decode them.
TBitmapHandle ReadPngImage(std::span<const std::uint8_t>, const std::string& message) {
  RaiseInvalid(message, "PNG-compressed images are not supported in this build");
}
