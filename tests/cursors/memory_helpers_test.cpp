#include "cursors/memory_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

#include "framework/backends/posix/posix_services.h"

namespace {

TEST(MemoryHelpers, CompareMemoryFindsADifferenceInWholeWordsAndInTheRest) {
  std::uint8_t a[9];
  std::iota(std::begin(a), std::end(a), 1);
  for (std::size_t length = 0; length <= sizeof a; ++length) {
    for (std::size_t differing = 0; differing < sizeof a; ++differing) {
      std::uint8_t b[9];
      std::copy(std::begin(a), std::end(a), b);
      b[differing] ^= 0x80;
      EXPECT_EQ(CompareMemory(a, b, length), differing >= length)
          << "length " << length << ", difference at " << differing;
    }
  }
  // Unaligned blocks.
  EXPECT_TRUE(CompareMemory(a + 1, a + 1, 7));
}

TEST(MemoryHelpers, OffsetAndMoveWorkInBytesAndMoveAllowsOverlap) {
  std::uint32_t words[2] = {};
  EXPECT_EQ(OffsetPointer(words, 4), &words[1]);
  const std::uint32_t* constWords = words;
  EXPECT_EQ(OffsetPointer(constWords, -0), constWords);
  char text[] = "abcdef";
  MoveMemory(text + 1, text, 4);
  EXPECT_STREQ(text, "aabcdf");
  MoveMemory(text, text + 2, 3);
  EXPECT_STREQ(text, "bcdcdf");
}

TEST(MemoryHelpers, FreeGlobalAndNilFreesOnceAndLeavesNull) {
  TPosixServices services;
  TScopedPlatform scope(services);
  HGLOBAL block = services.GlobalAlloc(16);
  const HGLOBAL allocated = block;
  FreeGlobalAndNil(block);
  EXPECT_EQ(block, nullptr);
  EXPECT_EQ(services.GlobalSize(allocated), 0u) << "the block was freed";
  FreeGlobalAndNil(block);  // null: nothing to do
  EXPECT_EQ(block, nullptr);
}

}  // namespace
