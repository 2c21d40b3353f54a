#include "framework/backends/win32/api/message_box.h"

#include <windows.h>

namespace win32 {

int ShowMessageBox(void* owner, const std::string& text, const std::string& caption,
                   unsigned flags) {
  // Without an owner the box could open behind the program's window, which stays on top.
  const UINT placement = owner != nullptr ? 0 : MB_TASKMODAL | MB_TOPMOST;
  return MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), flags | placement);
}

}  // namespace win32
