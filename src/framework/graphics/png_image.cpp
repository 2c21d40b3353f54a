#include "framework/graphics/png_image.h"

#include <png.h>

#include <algorithm>

#include "framework/graphics/dib_reader.h"
#include "framework/graphics/pixel_buffer.h"

namespace {

// Frees what libpng holds for the image on every path.
class TPngRead {
 public:
  TPngRead() { image_.version = PNG_IMAGE_VERSION; }
  ~TPngRead() { png_image_free(&image_); }
  TPngRead(const TPngRead&) = delete;
  TPngRead& operator=(const TPngRead&) = delete;
  png_image& Image() { return image_; }

 private:
  png_image image_{};
};

}  // namespace

TBitmapHandle ReadPngImage(std::span<const std::uint8_t> data, const std::string& message) {
  TPngRead read;
  png_image& image = read.Image();
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
    RaiseInvalid(message, "damaged PNG image");
  // Blue, green, red, alpha in memory: the 32-bit bitmap's own layout, with straight alpha.
  image.format = PNG_FORMAT_BGRA;
  // Bitmap creation applies the pixel-buffer cap before anything is allocated.
  const auto side = [](png_uint_32 pixels) {
    return static_cast<int>(std::min<png_uint_32>(pixels, pixel_buffer::kMaxSide + 1));
  };
  TBitmapHandle bitmap(TBitmapObject::Create(side(image.width), side(image.height), 32));
  if (!bitmap) RaiseInvalid(message, "dimensions too large");
  if (!png_image_finish_read(&image, nullptr, bitmap->Bits(), 0, nullptr))
    RaiseInvalid(message, "damaged PNG image");
  return bitmap;
}
