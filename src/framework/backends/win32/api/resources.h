#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The program's own resources through Win32 (see system.h for why these names are the backend's
// own): those the resource script linked into the executable.
namespace win32 {

// A resource name or type as the resource functions take it: a text, or (text null) a 16-bit
// identifier.
struct TResourceKey {
  const char* text = nullptr;
  std::uint16_t id = 0;
};

// FindResourceA in the program's module, then LoadResource, LockResource and SizeofResource: the
// resource's bytes, mapped with the module for the whole run. None when there is no such resource
// or it can't be loaded.
std::optional<std::span<const std::uint8_t>> FindModuleResource(TResourceKey name,
                                                                TResourceKey type);

// Resource names as the other calls of this folder pass them on.
const char* ResourceNameArgument(TResourceKey key);

// The program's module instance.
void* ModuleInstance();

}  // namespace win32
