#include "theme_icons.h"

#include <gtest/gtest.h>

#include <set>

#include "framework/graphics/icon.h"
#include "support/reference_png.h"
#include "support/test_data.h"

namespace {

// Every pixel colour index 1 of the table, except the top-left one, which the mask lets through.
TIconImage Image(int size, int depth, TColor color) {
  TColorTable table{};
  table[1] = color;
  TBitmapHandle bitmap(TBitmapObject::Create(size, size, depth, table));
  TBitmapHandle mask(TBitmapObject::Create(size, size, 1));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x)
      bitmap->SetPixel(x, y, x == 0 && y == 0 ? 0 : 1);
  }
  mask->SetPixel(0, 0, 1);
  return TIconImage(std::move(bitmap), std::move(mask));
}

std::set<std::filesystem::path> FilesUnder(const std::filesystem::path& folder) {
  std::set<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(entry.path().lexically_relative(folder));
  }
  return files;
}

TEST(ThemeIcons, EachThemeSizeGetsItsDeepestImageAndOtherSizesAreLeftOut) {
  const TColor shallow = RGB(10, 20, 30), deep = RGB(200, 100, 50);
  TIconFile file;
  file.images.push_back(Image(32, 4, shallow));
  file.images.push_back(Image(20, 8, shallow));
  file.images.push_back(Image(32, 8, deep));
  file.images.push_back(Image(16, 4, deep));
  TIcon icon;
  icon.SetImages(std::move(file));
  qi_test::TempDir folder;

  EXPECT_EQ(WriteThemeIcons(icon, folder.Path(), "quick-intro"), (std::vector<int>{16, 32}));

  EXPECT_EQ(FilesUnder(folder.Path()),
            (std::set<std::filesystem::path>{"16x16/apps/quick-intro.png",
                                             "32x32/apps/quick-intro.png"}));
  for (const int size : {16, 32}) {
    SCOPED_TRACE(size);
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const auto png = ReadReferencePng(folder.Path() / name / "apps" / "quick-intro.png");
    ASSERT_TRUE(png.has_value());
    ASSERT_EQ(png->width, size);
    ASSERT_EQ(png->height, size);
    EXPECT_EQ(png->Color(5, 7), deep);
    EXPECT_EQ(png->Alpha(5, 7), 255);
    EXPECT_EQ(png->Alpha(0, 0), 0) << "the masked pixel shows through";
  }
}

}  // namespace
