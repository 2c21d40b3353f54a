#include "framework/graphics/pixel_storage.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <new>
#include <vector>

namespace {

// Smaller blocks are served well by the allocator's own free lists.
constexpr std::size_t kSmallestKept = std::size_t{64} << 10;
constexpr std::size_t kMaxKeptBlocks = 8;
constexpr std::size_t kMaxKeptBytes = std::size_t{32} << 20;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kKeepBlocks = false;  // AddressSanitizer must see every block freed
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kKeepBlocks = false;
#else
constexpr bool kKeepBlocks = true;
#endif
#else
constexpr bool kKeepBlocks = true;
#endif

struct Block {
  void* memory;
  std::size_t bytes;
};

struct Kept {
  Kept() { blocks.reserve(kMaxKeptBlocks); }  // so that keeping a block never allocates
  std::mutex mutex;
  std::vector<Block> blocks;  // oldest first
  std::size_t bytes = 0;
};

// Never destroyed: bitmaps with static lifetime may still give their pixels back at exit.
Kept& TheKept() {
  static Kept* kept = new Kept;
  return *kept;
}

// Takes the oldest kept block out (the lock held).
void DropOldest(Kept& kept) {
  const Block oldest = kept.blocks.front();
  kept.blocks.erase(kept.blocks.begin());
  kept.bytes -= oldest.bytes;
  ::operator delete(oldest.memory);
}

}  // namespace

namespace pixel_storage {

void* Allocate(std::size_t bytes) {
  if (kKeepBlocks && bytes >= kSmallestKept) {
    Kept& kept = TheKept();
    std::lock_guard lock(kept.mutex);
    const auto found = std::find_if(kept.blocks.rbegin(), kept.blocks.rend(),
                                    [bytes](const Block& block) { return block.bytes == bytes; });
    if (found != kept.blocks.rend()) {
      void* memory = found->memory;
      kept.bytes -= bytes;
      kept.blocks.erase(std::next(found).base());
      return memory;
    }
  }
  return ::operator new(bytes);
}

void Release(void* block, std::size_t bytes) noexcept {
  if (!kKeepBlocks || block == nullptr || bytes < kSmallestKept || bytes > kMaxKeptBytes) {
    ::operator delete(block);
    return;
  }
  Kept& kept = TheKept();
  std::lock_guard lock(kept.mutex);
  while (!kept.blocks.empty() &&
         (kept.blocks.size() >= kMaxKeptBlocks || kept.bytes + bytes > kMaxKeptBytes)) {
    DropOldest(kept);
  }
  kept.blocks.push_back({block, bytes});
  kept.bytes += bytes;
}

}  // namespace pixel_storage
