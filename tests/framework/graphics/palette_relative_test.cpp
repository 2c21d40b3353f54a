#include "framework/graphics/palette_relative.h"

#include <gtest/gtest.h>

TEST(PaletteRelative, ResolvesSystemColoursAndSetsThePaletteFlag) {
  EXPECT_EQ(PaletteRelative(clRed), 0x020000FF);
  EXPECT_EQ(PaletteRelative(clWindow), 0x02000000 | ColorToRGB(clWindow));
  EXPECT_EQ(PaletteRelative(PaletteRelative(clTeal)), PaletteRelative(clTeal));
}
