#include "framework/backends/win32/api/resources.h"

#include <windows.h>

namespace win32 {

const char* ResourceNameArgument(TResourceKey key) {
  return key.text != nullptr ? key.text : MAKEINTRESOURCEA(key.id);
}

void* ModuleInstance() {
  return GetModuleHandleA(nullptr);
}

std::optional<std::span<const std::uint8_t>> FindModuleResource(TResourceKey name,
                                                                TResourceKey type) {
  auto* module = static_cast<HMODULE>(ModuleInstance());
  HRSRC found = FindResourceA(module, ResourceNameArgument(name), ResourceNameArgument(type));
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return std::nullopt;
  // Resources of the program's own module stay mapped until it ends: nothing to free.
  return std::span(static_cast<const std::uint8_t*>(data), SizeofResource(module, found));
}

}  // namespace win32
