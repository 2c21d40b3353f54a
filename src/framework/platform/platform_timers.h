#pragma once

#include <cstdint>

// Window timers that the platform runs itself (on Windows, SetTimer on a hidden window), for a
// window backend that offers them. The framework names each of its timers by a key of its own
// choosing (never 0); each expiry comes back from the backend's WaitEvent as a kTimer event
// carrying the key, on the UI thread. A late program gets one expiry, not one per missed interval.
class TPlatformTimers {
 public:
  TPlatformTimers() = default;
  TPlatformTimers(const TPlatformTimers&) = delete;
  TPlatformTimers& operator=(const TPlatformTimers&) = delete;
  virtual ~TPlatformTimers() = default;

  // Starts the timer of that key, or restarts it with the new interval. False when the platform
  // has no timer left.
  virtual bool StartTimer(std::uintptr_t key, unsigned intervalMs) = 0;
  // Stops it; an expiry already on its way is still reported.
  virtual void StopTimer(std::uintptr_t key) = 0;
};
