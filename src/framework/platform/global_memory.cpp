#include "framework/platform/global_memory.h"

#include <cstring>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/platform/platform_services.h"

HGLOBAL GlobalBlockOf(std::span<const std::uint8_t> bytes) {
  TPlatformServices& platform = Platform();
  HGLOBAL block = platform.GlobalAlloc(bytes.size());
  void* memory = platform.GlobalLock(block);
  if (memory == nullptr) {
    platform.GlobalFree(block);
    throw EOutOfMemory(messages::kOutOfMemory);
  }
  if (!bytes.empty()) std::memcpy(memory, bytes.data(), bytes.size());
  platform.GlobalUnlock(block);
  return block;
}

std::vector<std::uint8_t> GlobalBlockBytes(HGLOBAL block) {
  TPlatformServices& platform = Platform();
  const auto* memory = static_cast<const std::uint8_t*>(platform.GlobalLock(block));
  if (memory == nullptr) return {};
  std::vector<std::uint8_t> bytes(memory, memory + platform.GlobalSize(block));
  platform.GlobalUnlock(block);
  return bytes;
}
