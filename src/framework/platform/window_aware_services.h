#pragma once

#include "framework/platform/handles.h"
#include "framework/platform/window_object.h"

// Platform services (any implementation, given as Services) completed by the window half: the
// foreground request raises the window's native window. Window backends install their services
// as TWindowAwareServices<TPosixServices> and the like.
template <typename Services>
class TWindowAwareServices : public Services {
 public:
  using Services::Services;
  bool SetForegroundWindow(HWND window) override { return BringWindowToFront(window); }
};
