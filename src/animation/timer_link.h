#pragma once

#include <atomic>
#include <exception>
#include <mutex>

#include "framework/core/object.h"

class TThreadedTimer;

// What a timer shares with its worker thread. The worker outlives its timer (it ends after its
// current sleep and frees itself), so it never holds the timer itself: it reaches it through this
// link, which the timer's destructor cuts before anything of the timer goes.
//
// The flags the worker reads every round are atomics; the timer and its handler are read and
// written under the lock. A tick that runs on the worker itself is counted, and cutting the link
// waits for it to end, so a timer is never freed under its own tick.
class TTimerLink {
 public:
  explicit TTimerLink(TThreadedTimer* timer) : timer_(timer) {}

  bool Enabled() const { return enabled_.load(); }
  void SetEnabled(bool value) { enabled_.store(value); }
  bool SyncEvent() const { return syncEvent_.load(); }
  void SetSyncEvent(bool value) { syncEvent_.store(value); }
  TNotifyEvent Handler() const;
  void SetHandler(TNotifyEvent handler);

  // The timer, or none once the link is cut.
  TThreadedTimer* Timer() const;
  // UI thread, from the timer's destructor: drops the handler; no tick starts after this, and a
  // tick running on the worker has ended when it returns.
  void Cut();

  // UI thread: the timer's tick, when the timer is still there; a failure is handed to the timer.
  void TickOnUiThread() const;
  // Worker: the timer's tick on the worker itself, when the timer is still there. Returns what the
  // tick raised, for the worker to hand to the UI thread (ReportFailure).
  std::exception_ptr TickOnWorker();
  // UI thread: a failure of a tick that ran on the worker.
  void ReportFailure(const std::exception_ptr& failure) const;

 private:
  std::atomic<bool> enabled_{true};
  std::atomic<bool> syncEvent_{true};
  mutable std::mutex mutex_;  // guards what follows
  TThreadedTimer* timer_;
  TNotifyEvent handler_;
  int ticksOnWorker_ = 0;
};
