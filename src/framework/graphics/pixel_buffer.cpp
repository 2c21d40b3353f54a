#include "framework/graphics/pixel_buffer.h"

#include <cstdint>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

namespace pixel_buffer {

namespace {

bool KnownDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
}

bool SideInRange(int side) {
  return side >= 1 && side <= kMaxSide;
}

}  // namespace

std::optional<std::size_t> RowBytes(int width, int bitsPerPixel) {
  if (width < 0 || width > kMaxSide || !KnownDepth(bitsPerPixel)) return std::nullopt;
  // Both factors are small (16384 x 32), so the product cannot overflow.
  const std::size_t bits = static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel);
  return (bits + 31) / 32 * 4;
}

std::optional<std::size_t> Size(int width, int height, int bitsPerPixel) {
  const auto row = RowBytes(width, bitsPerPixel);
  if (!row || !SideInRange(width) || !SideInRange(height)) return std::nullopt;
  if (*row > kMaxBytes / static_cast<std::size_t>(height)) return std::nullopt;
  return *row * static_cast<std::size_t>(height);
}

std::size_t RequireSize(int width, int height, int bitsPerPixel, const char* what) {
  if (const auto size = Size(width, height, bitsPerPixel)) return *size;
  throw EInvalidGraphic(
      Format("%s image of %d x %d pixels at %d bits per pixel is not valid or too large",
             {what, std::int64_t{width}, std::int64_t{height}, std::int64_t{bitsPerPixel}}));
}

}  // namespace pixel_buffer
