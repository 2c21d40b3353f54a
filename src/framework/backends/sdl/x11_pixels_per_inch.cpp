#include "framework/backends/sdl/x11_pixels_per_inch.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <charconv>
#include <cmath>

namespace {

// Half and five times the standard 96: anything outside is a mistake, not a display.
constexpr double kLeastPixelsPerInch = 48;
constexpr double kMostPixelsPerInch = 480;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> ResourcePixelsPerInch(Display* display) {
  const char* resources = XResourceManagerString(display);
  if (resources == nullptr) return std::nullopt;
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  if (database == nullptr) return std::nullopt;
  std::optional<int> found;
  char* type = nullptr;
  XrmValue value{};
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
    found = ParsePixelsPerInch(value.addr);
  }
  XrmDestroyDatabase(database);
  return found;
}

}  // namespace

std::optional<int> XftPixelsPerInch() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return std::nullopt;
  const std::optional<int> found = ResourcePixelsPerInch(display);
  XCloseDisplay(display);
  return found;
}

std::optional<int> ParsePixelsPerInch(std::string_view text) {
  text = Trimmed(text);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!(value >= kLeastPixelsPerInch && value <= kMostPixelsPerInch)) return std::nullopt;
  return static_cast<int>(std::lround(value));
}
