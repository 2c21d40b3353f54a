#include "framework/core/format.h"

#include <gtest/gtest.h>

TEST(Format, FillsTheDirectivesTheMessagesUse) {
  EXPECT_EQ(Format("Resource %s not found", {"KALDCURSOR"}), "Resource KALDCURSOR not found");
  EXPECT_EQ(Format("%s (%d)", {"No such file", std::int64_t{2}}), "No such file (2)");
  EXPECT_EQ(Format("Unrecognized extension block: %.2x", {std::int64_t{0x0A}}),
            "Unrecognized extension block: 0A");
  EXPECT_EQ(Format("block %.2x", {std::int64_t{0xFE}}), "block FE");
  EXPECT_EQ(Format("%d%%", {std::int64_t{-5}}), "-5%");
}

TEST(Format, KeepsDirectivesItCannotFill) {
  EXPECT_EQ(Format("Cannot assign a %s to a %s", {"TBitmap"}), "Cannot assign a TBitmap to a %s");
  EXPECT_EQ(Format("%d", {"text"}), "%d");
  EXPECT_EQ(Format("trailing %", {}), "trailing %");
  EXPECT_EQ(Format("%.x", {std::int64_t{1}}), "%.x");
}
