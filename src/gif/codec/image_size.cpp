#include "gif/codec/image_size.h"

#include "framework/core/format.h"
#include "framework/graphics/pixel_buffer.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"

namespace {

constexpr int kDeepestFrameBits = 8;

bool Admitted(std::int64_t width, std::int64_t height) {
  // The sides are bounded first, so that they fit the cap's arguments.
  if (width < 0 || height < 0 || width > pixel_buffer::kMaxSide ||
      height > pixel_buffer::kMaxSide) {
    return false;
  }
  if (width == 0 || height == 0) return true;
  return pixel_buffer::Size(static_cast<int>(width), static_cast<int>(height), kDeepestFrameBits)
      .has_value();
}

}  // namespace

void CheckImageSize(std::int64_t width, std::int64_t height) {
  if (!Admitted(width, height)) GifError(Format(gif_messages::kImageTooLarge, {width, height}));
}

std::size_t CheckedBitmapBytes(std::int64_t width, std::int64_t height, int bitsPerPixel) {
  CheckImageSize(width, height);
  return *pixel_buffer::RowBytes(static_cast<int>(width), bitsPerPixel) *
         static_cast<std::size_t>(height);
}
