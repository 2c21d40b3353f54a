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

// Whether windows can be shown: Wine without an X display refuses every top-level window.
bool HasDesktop();

// What the system says of a top-level window (a window handle).
struct TWindowFacts {
  std::string caption;
  bool visible = false;
  bool toolWindow = false;
  bool topmost = false;
  bool sizable = false;
  int clientWidth = 0;
  int clientHeight = 0;
  int centreX = 0;  // of the whole window, on the screen
  int centreY = 0;
  int screenWidth = 0;
  int screenHeight = 0;
  bool hasIcon = false;
};
TWindowFacts WindowFactsOf(void* window);

// GetThreadPriority of the calling thread.
int CurrentThreadPriority();

// The bytes the clipboard holds for the format, as another thread of the program reads them
// through the system (OpenClipboard, GetClipboardData, GlobalLock); none when there are none.
std::optional<std::string> ClipboardBytesSeenElsewhere(unsigned format);

}  // namespace native_checks
