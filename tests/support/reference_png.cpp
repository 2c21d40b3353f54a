#include "reference_png.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <string>

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

int DifferingPixels(const ReferencePng& a, const ReferencePng& b) {
  if (a.width != b.width || a.height != b.height) return -1;
  int differing = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.Color(x, y) != b.Color(x, y)) ++differing;
    }
  }
  return differing;
}

void ExpectReferencePng(const ReferencePng& shown, const std::filesystem::path& expectedFile) {
  if (std::getenv("QI_WRITE_EXPECTED") != nullptr) {
    EXPECT_TRUE(WriteReferencePng(shown, expectedFile)) << expectedFile;
    return;
  }
  const auto expected = ReadReferencePng(expectedFile);
  if (!expected) {
    ADD_FAILURE() << "no expected picture " << expectedFile;
    return;
  }
  const int differing = DifferingPixels(shown, *expected);
  if (differing == 0) return;
  const std::filesystem::path actualFile =
      ::testing::TempDir() + expectedFile.stem().string() + ".actual.png";
  WriteReferencePng(shown, actualFile);
  if (differing < 0) {
    ADD_FAILURE() << "the picture is " << shown.width << "x" << shown.height << ", " << expectedFile
                  << " is " << expected->width << "x" << expected->height
                  << "; the picture shown is " << actualFile;
    return;
  }
  ADD_FAILURE() << differing << " pixels differ from " << expectedFile << "; the picture shown is "
                << actualFile;
}
