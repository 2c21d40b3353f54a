#pragma once

#include <cstdint>
#include <optional>

#include "framework/backends/win32/api/window.h"
#include "framework/platform/input_event.h"

// The input event a message of a Win32 window means (its number and parameters as the platform
// gives them) to the window whose Win32 handle that is: mouse, keyboard, close, activation and
// palette messages; none for the rest.
std::optional<TInputEvent> InputEventOf(TNativeWindow* window, const void* windowHandle,
                                        unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam, win32::TModifierKeys held);
