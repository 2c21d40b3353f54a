#pragma once

#include <optional>
#include <string>

// What the tests look at through Win32 itself, beside the backend. The framework's platform
// headers and <windows.h> can't meet in one file, so the tests reach these through this header.
namespace native_checks {

// The REG_SZ value's text under HKEY_CURRENT_USER, without the terminating zero the registry may
// have added; none when there is no such value.
std::optional<std::string> UserStringValue(const std::string& keyPath, const std::string& name);
// A volatile key: non-volatile keys can't be made below it.
bool CreateVolatileUserKey(const std::string& keyPath);
// Deletes a key under HKEY_CURRENT_USER and what it holds.
void DeleteUserKey(const std::string& keyPath);

// GetThreadPriority of the calling thread.
int CurrentThreadPriority();

// The bytes the clipboard holds for the format, as another thread of the program reads them
// through the system (OpenClipboard, GetClipboardData, GlobalLock); none when there are none.
std::optional<std::string> ClipboardBytesSeenElsewhere(unsigned format);

}  // namespace native_checks
