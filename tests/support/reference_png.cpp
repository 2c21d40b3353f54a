#include "reference_png.h"

#include <png.h>

std::optional<ReferencePng> ReadReferencePng(const std::filesystem::path& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGBA;
  ReferencePng result;
  result.width = static_cast<int>(image.width);
  result.height = static_cast<int>(image.height);
  result.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, result.rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return result;
}

bool WriteReferencePng(const ReferencePng& picture, const std::filesystem::path& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&image, file.c_str(), 0, picture.rgba.data(), 0, nullptr) != 0;
}
