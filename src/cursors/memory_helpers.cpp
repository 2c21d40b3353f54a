#include "cursors/memory_helpers.h"

#include <cstdint>
#include <cstring>

#include "framework/platform/platform_services.h"

namespace {

std::uint32_t WordAt(const void* base, std::size_t offset) {
  std::uint32_t word;
  std::memcpy(&word, static_cast<const std::uint8_t*>(base) + offset, sizeof word);
  return word;
}

}  // namespace

bool CompareMemory(const void* a, const void* b, std::size_t length) {
  const std::size_t wordBytes = length - length % sizeof(std::uint32_t);
  for (std::size_t offset = 0; offset < wordBytes; offset += sizeof(std::uint32_t)) {
    if (WordAt(a, offset) != WordAt(b, offset)) return false;
  }
  const auto* bytesA = static_cast<const std::uint8_t*>(a);
  const auto* bytesB = static_cast<const std::uint8_t*>(b);
  for (std::size_t offset = wordBytes; offset < length; ++offset) {
    if (bytesA[offset] != bytesB[offset]) return false;
  }
  return true;
}

const void* OffsetPointer(const void* pointer, std::ptrdiff_t byteCount) {
  return static_cast<const std::uint8_t*>(pointer) + byteCount;
}

void* OffsetPointer(void* pointer, std::ptrdiff_t byteCount) {
  return static_cast<std::uint8_t*>(pointer) + byteCount;
}

void MoveMemory(void* destination, const void* source, std::size_t count) {
  if (count != 0) std::memmove(destination, source, count);
}

void FreeGlobalAndNil(HGLOBAL& block) {
  if (block == nullptr) return;
  Platform().GlobalFree(block);
  block = nullptr;
}
