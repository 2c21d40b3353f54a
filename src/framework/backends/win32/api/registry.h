#pragma once

#include <cstdint>
#include <span>
#include <string>

// The current user's registry through Win32 (see system.h for why these names are the backend's
// own). Key paths are relative to HKEY_CURRENT_USER, parts separated by "\".
namespace win32 {

// RegCreateKeyExA: opens the key, creating any missing part of it (non-volatile, full access).
bool CreateUserKey(const std::string& keyPath);

// RegSetValueExA of a REG_SZ value in an existing key, with exactly the bytes given as its data.
bool SetUserStringValue(const std::string& keyPath, const std::string& valueName,
                        std::span<const std::uint8_t> data);

}  // namespace win32
