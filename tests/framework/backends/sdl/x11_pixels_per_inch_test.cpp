#include "framework/backends/sdl/x11_pixels_per_inch.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(X11PixelsPerInch, AnXftDpiValueIsReadAsWholePixelsPerInchWithinADisplaysRange) {
  struct Case {
    const char* text;
    std::optional<int> pixelsPerInch;
  };
  // 98304 is XSETTINGS' Xft/DPI (in 1024ths), mistakenly given as the resource.
  const Case cases[] = {
      {"96", 96},   {"120", 120},  {"144.0", 144}, {"96.5", 97},  {" 120\t", 120}, {"48", 48},
      {"480", 480}, {"47.4", {}},  {"481", {}},    {"0", {}},     {"-120", {}},    {"", {}},
      {"abc", {}},  {"120px", {}}, {"1e2", 100},   {"98304", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParsePixelsPerInch(c.text), c.pixelsPerInch) << '"' << c.text << '"';
  }
}

}  // namespace
