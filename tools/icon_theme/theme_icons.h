#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

class TIcon;

// Writes the icon's images as PNG files into an icon theme's folder, one per size the theme
// knows (FOLDER/32x32/apps/NAME.png), the deepest image of each size. Images of other sizes are
// left out: the theme has no folder for them. Returns the sizes written, smallest first; raises
// EFCreateError when a file cannot be created.
std::vector<int> WriteThemeIcons(const TIcon& icon, const std::filesystem::path& folder,
                                 std::string_view name);
