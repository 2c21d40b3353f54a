#pragma once

#include <optional>
#include <string_view>

// The pixels per inch that an X desktop asks its applications to use: the resource Xft.dpi, which
// desktops set when the user scales them and which the common toolkits follow. None without an X
// display, or when the resource is unset or unusable.
std::optional<int> XftPixelsPerInch();

// An Xft.dpi value as whole pixels per inch, rounded; none unless it is a number in the range a
// display can have.
std::optional<int> ParsePixelsPerInch(std::string_view text);
