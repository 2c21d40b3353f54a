#pragma once

#include <deque>

#include "framework/backends/win32/api/window.h"
#include "framework/platform/input_event.h"
#include "framework/platform/native_window.h"

// A top-level Win32 window showing our pixels; its input goes to the backend's event queue.
class TWin32Window : public TNativeWindow, private win32::TWindowMessageSink {
 public:
  // Raises Exception with the system's text when the window can't be made.
  TWin32Window(const TWindowParams& params, std::deque<TInputEvent>& events);

  void SetCaption(const std::string& caption) override;
  void SetIcon(const TArgbImage& icon) override;
  void SetClientSize(int width, int height) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void Present(const TPixelView& view) override;
  void SetCursor(HCURSOR cursor) override;
  bool BringToFront() override;

  // The Win32 window handle.
  void* Handle() const { return window_.Handle(); }

 private:
  void WindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

  std::deque<TInputEvent>& events_;
  win32::TTopLevelWindow window_;
};
