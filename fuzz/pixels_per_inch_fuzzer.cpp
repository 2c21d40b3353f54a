// Feeds arbitrary text to the reader of the desktop's Xft.dpi setting: it answers nothing or a
// whole number of pixels per inch that a display can have.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/backends/sdl/x11_pixels_per_inch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto pixelsPerInch = ParsePixelsPerInch(text)) {
    if (*pixelsPerInch < 48 || *pixelsPerInch > 480) __builtin_trap();
  }
  return 0;
}
