#pragma once

#include <memory>

#include "framework/platform/handles.h"
#include "framework/platform/native_window.h"
#include "framework/platform/window_message.h"

// Windows of the UI thread. A hidden utility window only receives messages (timers, calls handed
// over from other threads); a control's window may also carry a native window on the screen.

// A new window whose messages go to procedure.
HWND AllocateHWnd(TWindowProcedure procedure);
// Destroys the window: its timers stop, its queued messages are dropped, and its native window,
// if any, closes. A null handle is ignored.
void DeallocateHWnd(HWND window);
// Gives the window a native window on the screen (replacing any it had).
void AttachNativeWindow(HWND window, std::unique_ptr<TNativeWindow> native);
