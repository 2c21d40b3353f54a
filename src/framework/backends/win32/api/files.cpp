#include "framework/backends/win32/api/files.h"

#include <windows.h>

namespace win32 {

std::string ModuleFileName() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A path that filled the buffer was cut short: no path is better than a wrong one.
  if (length == 0 || length == MAX_PATH) return {};
  return std::string(path, length);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> TempFolder() {
  char folder[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length > MAX_PATH) return std::nullopt;
  return std::string(folder, length);
}

std::optional<std::string> CreateTempFile(const std::string& folder, std::string_view prefix) {
  char path[MAX_PATH];
  const std::string prefixText(prefix);
  if (GetTempFileNameA(folder.c_str(), prefixText.c_str(), 0, path) == 0) return std::nullopt;
  return std::string(path);
}

}  // namespace win32
