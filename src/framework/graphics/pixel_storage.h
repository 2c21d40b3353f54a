#pragma once

#include <cstddef>

// Storage for the pixels of bitmaps. Windows and controls make bitmaps of their own size and free
// them at every paint; memory fresh from the system costs a page fault per page on first touch,
// which for a window-sized bitmap outweighs the drawing done on it. So the large blocks freed
// last are kept, a few and up to a cap, and handed to the next request of exactly their size.
// The caller initialises what it gets, as with operator new.
namespace pixel_storage {

void* Allocate(std::size_t bytes);
void Release(void* block, std::size_t bytes) noexcept;

}  // namespace pixel_storage

// The allocator of pixel vectors.
template <typename T>
struct TPixelAllocator {
  using value_type = T;

  TPixelAllocator() = default;
  template <typename U>
  TPixelAllocator(const TPixelAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) {
    return static_cast<T*>(pixel_storage::Allocate(count * sizeof(T)));
  }
  void deallocate(T* block, std::size_t count) noexcept {
    pixel_storage::Release(block, count * sizeof(T));
  }
  template <typename U>
  bool operator==(const TPixelAllocator<U>&) const noexcept {
    return true;
  }
};
