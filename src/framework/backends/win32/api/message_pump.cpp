#include "framework/backends/win32/api/message_pump.h"

#include <windows.h>

#include <stdexcept>

#include "framework/backends/win32/api/system.h"

namespace win32 {

namespace {

constexpr const char* kClassName = "QuickIntroMessagePump";
constexpr UINT kWakeMessage = WM_APP + 1;

LRESULT CALLBACK PumpProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* listener =
      reinterpret_cast<TMessagePump::TListener*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (listener != nullptr) {
    if (message == kWakeMessage) {
      listener->Woken();
      return 0;
    }
    if (message == WM_TIMER) {
      listener->TimerElapsed(wParam);
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPumpClass() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PumpProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
}

HWND Window(void* handle) {
  return static_cast<HWND>(handle);
}

}  // namespace

TMessagePump::TMessagePump(TListener& listener) {
  RegisterPumpClass();
  HWND window = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) throw std::runtime_error(ErrorText(GetLastError()));
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&listener));
  window_ = window;
}

TMessagePump::~TMessagePump() {
  DestroyWindow(Window(window_));
}

void TMessagePump::DispatchWaiting() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void TMessagePump::WaitForMessage(std::optional<std::uint32_t> timeoutMs) {
  MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs ? *timeoutMs : INFINITE, QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

void TMessagePump::Wake() {
  PostMessageA(Window(window_), kWakeMessage, 0, 0);
}

bool TMessagePump::StartTimer(std::uintptr_t key, unsigned intervalMs) {
  return ::SetTimer(Window(window_), key, intervalMs, nullptr) != 0;
}

void TMessagePump::StopTimer(std::uintptr_t key) {
  KillTimer(Window(window_), key);
}

}  // namespace win32
