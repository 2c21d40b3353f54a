#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "animation/timer_link.h"
#include "framework/core/thread.h"

// The worker of a TThreadedTimer: sleeps SleepInterval, then hands the timer's tick to the UI
// thread and waits for it (SyncEvent) or runs it itself, until it is terminated. It is created
// suspended and frees itself when it ends, which may be after its timer is gone: it reaches the
// timer only through their link.
class TTimerThread : public TThread {
 public:
  explicit TTimerThread(std::shared_ptr<TTimerLink> ownerTimer);
  const char* ClassName() const override { return "TTimerThread"; }

  // Milliseconds between ticks; written by the timer while the worker is suspended.
  void SetSleepInterval(std::uint32_t milliseconds) { sleepInterval_.store(milliseconds); }

 protected:
  void Execute() override;

 private:
  // The worker was terminated, or the application is ending.
  bool StopRequested() const;
  void DeliverTick();

  const std::shared_ptr<TTimerLink> ownerTimer_;
  std::atomic<std::uint32_t> sleepInterval_{1000};
};
