#pragma once

#include <string>

// Message boxes through Win32 (see system.h for why these names are the backend's own).
namespace win32 {

// MessageBoxA owned by the window (a window handle, or null): blocks until the user closes it and
// answers the button pressed. Flags and answers are the platform's numbers.
int ShowMessageBox(void* owner, const std::string& text, const std::string& caption,
                   unsigned flags);

}  // namespace win32
