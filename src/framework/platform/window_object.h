#pragma once

#include <memory>

#include "framework/platform/handles.h"
#include "framework/platform/native_window.h"
#include "framework/platform/window_message.h"

// What a window handle points to: the procedure that receives the window's messages and, for a
// window shown on the screen, its native window. Hidden utility windows (timers, calls from other
// threads) have only the procedure.
struct TWindowObject {
  TWindowProcedure procedure;
  std::unique_ptr<TNativeWindow> native;
};

// SetForegroundWindow for services that know windows: raises the window's native window. False
// for a null handle or a window that is not on the screen.
bool BringWindowToFront(HWND window);
