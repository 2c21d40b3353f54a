#include "native_checks.h"

#include <windows.h>

#include <thread>
#include <vector>

namespace native_checks {

std::optional<std::string> UserStringValue(const std::string& keyPath, const std::string& name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != 0) {
    return std::nullopt;
  }
  std::vector<char> data(256);
  DWORD size = static_cast<DWORD>(data.size());
  DWORD type = 0;
  const LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(data.data()), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  std::string text(data.data(), size);
  while (!text.empty() && text.back() == '\0')
    text.pop_back();
  return text;
}

bool CreateVolatileUserKey(const std::string& keyPath) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

void DeleteUserKey(const std::string& keyPath) {
  RegDeleteTreeA(HKEY_CURRENT_USER, keyPath.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str());  // the tree call leaves the key itself
}

bool HasDesktop() {
  HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  if (probe == nullptr) return false;
  DestroyWindow(probe);
  return true;
}

TWindowFacts WindowFactsOf(void* handle) {
  auto* window = static_cast<HWND>(handle);
  TWindowFacts facts;
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof caption);
  facts.caption = caption;
  facts.visible = IsWindowVisible(window) != 0;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR extendedStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  facts.toolWindow = (extendedStyle & WS_EX_TOOLWINDOW) != 0;
  facts.topmost = (extendedStyle & WS_EX_TOPMOST) != 0;
  facts.sizable = (style & WS_THICKFRAME) != 0;
  RECT client;
  GetClientRect(window, &client);
  facts.clientWidth = client.right - client.left;
  facts.clientHeight = client.bottom - client.top;
  RECT outer;
  GetWindowRect(window, &outer);
  facts.centreX = (outer.left + outer.right) / 2;
  facts.centreY = (outer.top + outer.bottom) / 2;
  facts.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  facts.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  facts.hasIcon = SendMessageA(window, WM_GETICON, ICON_BIG, 0) != 0;
  return facts;
}

int CurrentThreadPriority() {
  return GetThreadPriority(GetCurrentThread());
}

std::optional<std::string> ClipboardBytesSeenElsewhere(unsigned format) {
  std::optional<std::string> bytes;
  std::thread reader([&] {
    if (!OpenClipboard(nullptr)) return;
    if (HANDLE data = GetClipboardData(format)) {
      if (const auto* locked = static_cast<const char*>(GlobalLock(data))) {
        bytes = std::string(locked, GlobalSize(data));
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
  });
  reader.join();
  return bytes;
}

}  // namespace native_checks
