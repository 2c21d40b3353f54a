#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "framework/platform/handles.h"

// The process's global memory blocks. Handles are serial numbers, never reused, and are looked up
// among the live blocks before use: a stale or made-up handle is refused instead of followed, and a
// stale one can never come to name a newer block. Safe to call from any thread.
class TGlobalHeap {
 public:
  // Larger requests are refused outright; nothing this program exchanges comes close.
  static constexpr std::size_t kMaxBlockSize = std::size_t{1} << 30;

  TGlobalHeap();
  ~TGlobalHeap();
  TGlobalHeap(const TGlobalHeap&) = delete;
  TGlobalHeap& operator=(const TGlobalHeap&) = delete;

  // A zero-filled block; a block of size 0 still locks to a valid address. Raises EOutOfMemory
  // "Out of memory" above kMaxBlockSize or when the memory can't be had.
  HGLOBAL Alloc(std::size_t size);
  // The block's bytes (null for an unknown handle); each call adds a lock.
  void* Lock(HGLOBAL block);
  // Removes a lock; true while others remain.
  bool Unlock(HGLOBAL block);
  std::size_t Size(HGLOBAL block) const;  // 0 for an unknown handle
  // Frees the block, locked or not. Returns null, or the handle when it isn't a live block.
  HGLOBAL Free(HGLOBAL block);
  bool IsLive(HGLOBAL block) const;

 private:
  struct Block;
  Block* Find(HGLOBAL block) const;  // callers hold mutex_

  mutable std::mutex mutex_;
  std::uintptr_t lastHandle_ = 0;
  std::unordered_map<HGLOBAL, std::unique_ptr<Block>> blocks_;
};
