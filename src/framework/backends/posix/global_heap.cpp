#include "framework/backends/posix/global_heap.h"

#include <new>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"

struct TGlobalHeap::Block {
  std::unique_ptr<std::uint8_t[]> bytes;
  std::size_t size = 0;
  unsigned locks = 0;
};

TGlobalHeap::TGlobalHeap() = default;
TGlobalHeap::~TGlobalHeap() = default;

HGLOBAL TGlobalHeap::Alloc(std::size_t size) {
  if (size > kMaxBlockSize) throw EOutOfMemory(messages::kOutOfMemory);
  auto block = std::make_unique<Block>();
  block->bytes.reset(new (std::nothrow) std::uint8_t[size == 0 ? 1 : size]());
  if (!block->bytes) throw EOutOfMemory(messages::kOutOfMemory);
  block->size = size;
  const std::lock_guard guard(mutex_);
  const auto handle = reinterpret_cast<HGLOBAL>(++lastHandle_);
  blocks_.emplace(handle, std::move(block));
  return handle;
}

void* TGlobalHeap::Lock(HGLOBAL block) {
  const std::lock_guard guard(mutex_);
  Block* live = Find(block);
  if (live == nullptr) return nullptr;
  ++live->locks;
  return live->bytes.get();
}

bool TGlobalHeap::Unlock(HGLOBAL block) {
  const std::lock_guard guard(mutex_);
  Block* live = Find(block);
  if (live == nullptr || live->locks == 0) return false;
  return --live->locks > 0;
}

std::size_t TGlobalHeap::Size(HGLOBAL block) const {
  const std::lock_guard guard(mutex_);
  const Block* live = Find(block);
  return live ? live->size : 0;
}

HGLOBAL TGlobalHeap::Free(HGLOBAL block) {
  const std::lock_guard guard(mutex_);
  return blocks_.erase(block) == 1 ? nullptr : block;
}

bool TGlobalHeap::IsLive(HGLOBAL block) const {
  const std::lock_guard guard(mutex_);
  return Find(block) != nullptr;
}

TGlobalHeap::Block* TGlobalHeap::Find(HGLOBAL block) const {
  const auto found = blocks_.find(block);
  return found == blocks_.end() ? nullptr : found->second.get();
}
