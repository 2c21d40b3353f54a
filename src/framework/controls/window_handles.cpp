#include "framework/controls/window_handles.h"

#include "framework/controls/message_queue.h"
#include "framework/controls/window_timers.h"
#include "framework/platform/window_object.h"

HWND AllocateHWnd(TWindowProcedure procedure) {
  auto* window = new TWindowObject{std::move(procedure), nullptr};
  message_queue::AddWindow(window);
  return window;
}

void DeallocateHWnd(HWND window) {
  if (window == nullptr) return;
  window_timers::KillAll(window);
  message_queue::RemoveWindow(window);
  delete window;
}

void AttachNativeWindow(HWND window, std::unique_ptr<TNativeWindow> native) {
  window->native = std::move(native);
}
