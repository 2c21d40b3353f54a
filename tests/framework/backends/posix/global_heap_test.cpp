#include "framework/backends/posix/global_heap.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/exceptions.h"

TEST(GlobalHeap, BlocksAreZeroFilledAndKeepTheirSize) {
  TGlobalHeap heap;
  const HGLOBAL block = heap.Alloc(100);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(heap.Size(block), 100u);
  auto* bytes = static_cast<unsigned char*>(heap.Lock(block));
  ASSERT_NE(bytes, nullptr);
  for (int i = 0; i < 100; ++i)
    ASSERT_EQ(bytes[i], 0);
  std::memset(bytes, 0xAB, 100);
  EXPECT_FALSE(heap.Unlock(block));
  EXPECT_EQ(static_cast<unsigned char*>(heap.Lock(block))[99], 0xAB)
      << "contents kept between locks";
  EXPECT_EQ(heap.Free(block), nullptr);
}

TEST(GlobalHeap, LocksAreCounted) {
  TGlobalHeap heap;
  const HGLOBAL block = heap.Alloc(1);
  heap.Lock(block);
  heap.Lock(block);
  EXPECT_TRUE(heap.Unlock(block));
  EXPECT_FALSE(heap.Unlock(block));
  EXPECT_FALSE(heap.Unlock(block)) << "not locked any more";
  EXPECT_EQ(heap.Free(block), nullptr) << "a block can be freed in any state";
}

TEST(GlobalHeap, AnEmptyBlockStillHasAnAddress) {
  TGlobalHeap heap;
  const HGLOBAL block = heap.Alloc(0);
  EXPECT_EQ(heap.Size(block), 0u);
  EXPECT_NE(heap.Lock(block), nullptr);
  heap.Free(block);
}

TEST(GlobalHeap, StaleAndMadeUpHandlesAreRefused) {
  TGlobalHeap heap;
  const HGLOBAL block = heap.Alloc(8);
  ASSERT_EQ(heap.Free(block), nullptr);
  const HGLOBAL madeUp = reinterpret_cast<HGLOBAL>(std::uintptr_t{0x7FFF1234});
  for (const HGLOBAL bad : {block, madeUp, HGLOBAL{nullptr}}) {
    EXPECT_FALSE(heap.IsLive(bad));
    EXPECT_EQ(heap.Lock(bad), nullptr);
    EXPECT_FALSE(heap.Unlock(bad));
    EXPECT_EQ(heap.Size(bad), 0u);
    EXPECT_EQ(heap.Free(bad), bad) << "freeing twice is refused";
  }
}

TEST(GlobalHeap, AFreedHandleNeverNamesANewBlock) {
  TGlobalHeap heap;
  const HGLOBAL freed = heap.Alloc(8);
  heap.Free(freed);
  for (int i = 0; i < 100; ++i)
    EXPECT_NE(heap.Alloc(8), freed);
  EXPECT_FALSE(heap.IsLive(freed));
}

TEST(GlobalHeap, AbsurdSizesRaiseOutOfMemory) {
  TGlobalHeap heap;
  try {
    heap.Alloc(TGlobalHeap::kMaxBlockSize + 1);
    FAIL() << "allocated more than the cap";
  } catch (const EOutOfMemory& error) {
    EXPECT_EQ(error.Message(), "Out of memory");
  }
  EXPECT_THROW(heap.Alloc(SIZE_MAX), EOutOfMemory);
}
