#include "gif/codec/image_size.h"

#include "framework/core/format.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"

void CheckImageSize(std::int64_t width, std::int64_t height) {
  // The sides are bounded first, so the product below cannot overflow.
  if (width < 0 || height < 0 || width > 0xFFFF || height > 0xFFFF ||
      width * height > kMaxImagePixels) {
    GifError(Format(gif_messages::kImageTooLarge, {width, height}));
  }
}

std::int64_t CheckedBitmapBytes(std::int64_t width, std::int64_t height, int bitsPerPixel) {
  CheckImageSize(width, height);
  return DibRowBytes(width, bitsPerPixel) * height;
}
