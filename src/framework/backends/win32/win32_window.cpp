#include "framework/backends/win32/win32_window.h"

#include <stdexcept>

#include "framework/backends/win32/win32_cursor.h"
#include "framework/backends/win32/win32_input.h"
#include "framework/core/exceptions.h"

TWin32Window::TWin32Window(const TWindowParams& params, std::deque<TInputEvent>& events) try
    : events_(events), window_(params, *this) {
} catch (const std::runtime_error& error) {
  throw Exception(std::string("Cannot create window: ") + error.what());
}

void TWin32Window::SetCaption(const std::string& caption) {
  window_.SetCaption(caption);
}

void TWin32Window::SetIcon(const TArgbImage& icon) {
  window_.SetIcon(icon.Empty() ? nullptr : icon.pixels.data(), icon.width, icon.height);
}

void TWin32Window::SetClientSize(int width, int height) {
  window_.SetClientSize(width, height);
}

void TWin32Window::Show() {
  window_.Show();
}

void TWin32Window::Hide() {
  window_.Hide();
}

bool TWin32Window::Visible() const {
  return window_.Visible();
}

void TWin32Window::Present(const TPixelView& view) {
  window_.Present(view.pixels, view.width, view.height, view.stride);
}

void TWin32Window::SetCursor(HCURSOR cursor) {
  window_.SetCursor(NativeCursorOf(cursor));
}

bool TWin32Window::BringToFront() {
  return window_.BringToFront();
}

void TWin32Window::WindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  const auto event =
      InputEventOf(this, window_.Handle(), message, wParam, lParam, win32::HeldModifierKeys());
  if (event) events_.push_back(*event);
}
