#include "support/golden_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

ReferencePng PictureOf(int width, int height, const PixelColors& colorAt) {
  ReferencePng picture;
  picture.width = width;
  picture.height = height;
  picture.rgba.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::int32_t color = colorAt(x, y);
      for (const int shift : {0, 8, 16})
        picture.rgba.push_back(static_cast<std::uint8_t>(color >> shift));
      picture.rgba.push_back(0xFF);
    }
  }
  return picture;
}

ReferencePng PictureOf(const TArgbImage& shown) {
  return PictureOf(shown.width, shown.height, [&shown](int x, int y) {
    const std::uint32_t argb = shown.At(x, y);
    return static_cast<std::int32_t>((argb >> 16 & 0xFF) | (argb & 0xFF00) | (argb & 0xFF) << 16);
  });
}

std::string PictureDifferences(const ReferencePng& actual, const ReferencePng& expected,
                               const PixelColors& backdrop) {
  std::ostringstream out;
  if (actual.width != expected.width || actual.height != expected.height) {
    out << actual.width << " x " << actual.height << " instead of " << expected.width << " x "
        << expected.height;
    return out.str();
  }
  int differing = 0;
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      std::int32_t want = expected.Color(x, y);
      if (backdrop) {
        const std::uint8_t alpha = expected.Alpha(x, y);
        if (alpha != 0 && alpha != 0xFF) continue;
        if (alpha == 0) want = backdrop(x, y);
      }
      const std::int32_t got = actual.Color(x, y);
      if (got == want) continue;
      if (differing++ == 0) {
        out << ", first at " << x << "," << y << std::hex << ": 0x" << got << " instead of 0x"
            << want << std::dec;
      }
    }
  }
  return differing == 0 ? "" : std::to_string(differing) + " pixels differ" + out.str();
}

void ExpectGoldenPicture(const ReferencePng& actual, const std::filesystem::path& expectedFile) {
  if (std::getenv("QI_WRITE_EXPECTED") != nullptr) {
    ASSERT_TRUE(WriteReferencePng(actual, expectedFile)) << expectedFile;
    GTEST_SKIP() << "wrote " << expectedFile;
  }
  const auto expected = ReadReferencePng(expectedFile);
  ASSERT_TRUE(expected) << "no expected picture " << expectedFile;
  const std::string differences = PictureDifferences(actual, *expected);
  if (differences.empty()) return;
  std::filesystem::path actualFile = expectedFile;
  actualFile.replace_extension(".actual.png");
  WriteReferencePng(actual, actualFile);
  ADD_FAILURE() << expectedFile.filename().string() << ": " << differences
                << "; the picture drawn is " << actualFile;
}
