#pragma once

#include <cstdint>
#include <optional>

// The calling thread's Win32 message queue (see system.h for why these names are the backend's
// own): waiting for messages and dispatching them to the thread's windows, a hidden message-only
// window that other threads wake the thread through, and window timers (SetTimer) on that window.
// Everything but Wake belongs to the thread that made the pump.
namespace win32 {

class TMessagePump {
 public:
  // Told on the pump's thread, while messages are dispatched.
  class TListener {
   public:
    virtual ~TListener() = default;
    virtual void Woken() = 0;
    virtual void TimerElapsed(std::uintptr_t key) = 0;
  };

  // Raises std::runtime_error with the system's text when the hidden window can't be made.
  explicit TMessagePump(TListener& listener);
  ~TMessagePump();
  TMessagePump(const TMessagePump&) = delete;
  TMessagePump& operator=(const TMessagePump&) = delete;

  // Dispatches every message waiting for the thread's windows; returns at once.
  void DispatchWaiting();
  // Blocks until a message is waiting or the time is up (none: no limit).
  void WaitForMessage(std::optional<std::uint32_t> timeoutMs);

  // Any thread: posts a wake-up, which the listener hears when it is dispatched.
  void Wake();

  // SetTimer on the hidden window with the key as the timer's identifier: starts it, or restarts
  // it with the new interval. False when the system has no timer left.
  bool StartTimer(std::uintptr_t key, unsigned intervalMs);
  void StopTimer(std::uintptr_t key);

 private:
  void* window_ = nullptr;
};

}  // namespace win32
