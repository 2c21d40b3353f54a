#include "framework/platform/window_object.h"

bool BringWindowToFront(HWND window) {
  if (window == nullptr || window->native == nullptr) return false;
  return window->native->BringToFront();
}
