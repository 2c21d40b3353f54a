#include "theme_icons.h"

#include <png.h>

#include <array>
#include <cstdint>
#include <string>

#include "framework/controls/icon_pixels.h"
#include "framework/core/exceptions.h"
#include "framework/core/file_stream.h"
#include "framework/graphics/icon.h"

namespace {

// The fixed-size folders of the freedesktop.org hicolor theme.
constexpr std::array kThemeSizes{16, 22, 24, 32, 36, 48, 64, 72, 96, 128, 192, 256, 512};

std::vector<std::uint8_t> RgbaBytes(const TArgbImage& image) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(image.pixels.size() * 4);
  for (const std::uint32_t pixel : image.pixels) {
    bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
    bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
    bytes.push_back(static_cast<std::uint8_t>(pixel));
    bytes.push_back(static_cast<std::uint8_t>(pixel >> 24));
  }
  return bytes;
}

void WritePng(const TArgbImage& image, const std::filesystem::path& file) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  const std::vector<std::uint8_t> rgba = RgbaBytes(image);
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&png, nullptr, &size, 0, rgba.data(), 0, nullptr);
  std::vector<std::uint8_t> encoded(size);
  if (size == 0 ||
      !png_image_write_to_memory(&png, encoded.data(), &size, 0, rgba.data(), 0, nullptr)) {
    throw EInvalidGraphicOperation(png.message);
  }
  TFileStream(file.string(), TFileStream::fmCreate)
      .WriteBuffer(encoded.data(), static_cast<std::int64_t>(size));
}

}  // namespace

std::vector<int> WriteThemeIcons(const TIcon& icon, const std::filesystem::path& folder,
                                 std::string_view name) {
  std::vector<int> written;
  for (const int size : kThemeSizes) {
    const TIconImage* image = DeepestImageOfSize(icon, size, size);
    if (image == nullptr) continue;
    const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path apps = folder / sizeName / "apps";
    std::filesystem::create_directories(apps);
    WritePng(ArgbImageOf(*image), apps / (std::string(name) + ".png"));
    written.push_back(size);
  }
  return written;
}
