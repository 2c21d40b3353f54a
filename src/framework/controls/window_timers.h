#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "framework/platform/handles.h"

using UINT_PTR = std::uintptr_t;

// Window timers: a timer belongs to a window and an identifier; while it runs, the message loop
// delivers WM_TIMER (WParam: the identifier) to the window each time its interval has passed, on
// the UI thread. Time is the window backend's clock, or, when the backend runs timers on the
// platform (TPlatformTimers), the platform's. A late loop delivers one WM_TIMER, not one per
// missed interval, and the next interval counts from that delivery.

// Starts (or restarts, with the new interval) the window's timer with that identifier. Intervals
// below USER_TIMER_MINIMUM are raised to it. Returns the identifier, or 0 when the window does
// not exist, the identifier is 0, or every timer is in use (here or on the platform).
UINT_PTR SetTimer(HWND window, UINT_PTR id, unsigned intervalMs);
// False when the window has no such timer.
bool KillTimer(HWND window, UINT_PTR id);

inline constexpr unsigned USER_TIMER_MINIMUM = 10;

namespace window_timers {

// The number of timers that may run at once in the process.
inline constexpr std::size_t kDefaultCapacity = 10000;
void SetCapacity(std::size_t capacity);
std::size_t Count();

// The clock reading when the next timer timed here falls due, or none when no such timer runs.
std::optional<std::uint64_t> NextDue();
// Delivers WM_TIMER for each timer timed here that is due at now, earliest first; true when any
// was.
bool DeliverDue(std::uint64_t now);
// Delivers WM_TIMER for the platform's timer of that key (a kTimer event), if it still runs.
void DeliverPlatformTimer(std::uintptr_t key);
// Stops every timer of a window (the window is going).
void KillAll(HWND window);

}  // namespace window_timers
