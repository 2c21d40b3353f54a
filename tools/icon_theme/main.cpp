// qi-icon-theme ICON FOLDER NAME: writes the images of an .ico file as the PNG files of an icon
// theme (FOLDER/32x32/apps/NAME.png and so on), for installing the program's icon.

#include <cstdio>

#include "framework/core/exceptions.h"
#include "framework/graphics/icon.h"
#include "theme_icons.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: qi-icon-theme ICON FOLDER NAME\n", stderr);
    return 2;
  }
  try {
    TIcon icon;
    icon.LoadFromFile(argv[1]);
    if (WriteThemeIcons(icon, argv[2], argv[3]).empty()) {
      std::fprintf(stderr, "qi-icon-theme: %s has no image of an icon theme's size\n", argv[1]);
      return 1;
    }
    return 0;
  } catch (const Exception& error) {
    std::fprintf(stderr, "qi-icon-theme: %s\n", error.Message().c_str());
    return 1;
  }
}
