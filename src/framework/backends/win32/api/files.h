#pragma once

#include <optional>
#include <string>
#include <string_view>

// Files through Win32 (see system.h for why these names are the backend's own).
namespace win32 {

// GetModuleFileNameA of the program's own file; empty when the call fails.
std::string ModuleFileName();

// GetFileAttributesA: something exists at the path and it is not a folder.
bool FileExists(const std::string& path);

// GetTempPathA into a buffer of 260 characters; none when it fails (LastError says why).
std::optional<std::string> TempFolder();

// GetTempFileNameA in the folder with the prefix and unique number 0, which also creates the
// empty file; none when it fails (LastError says why).
std::optional<std::string> CreateTempFile(const std::string& folder, std::string_view prefix);

}  // namespace win32
