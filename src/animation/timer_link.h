#pragma once

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "framework/core/object.h"

class TThreadedTimer;

// What a timer shares with its worker thread. The worker outlives its timer (it ends after its
// current sleep and frees itself), so it never holds the timer itself: it reaches it through this
// link, which the timer cuts as soon as its destruction begins, before anything of it goes.
//
// The flags the worker reads every round are atomics; the rest is read and written under the
// lock. A tick that runs on the worker itself is part of the link's state, and cutting the link
// waits for it to end, so a timer is never freed under its own tick, unless that very tick frees
// it: then nothing waits, and the tick touches nothing of the timer once its handler returns.
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
  // The timer's destruction begins, on the UI thread or in the timer's own tick on the worker:
  // drops the handler; no tick starts after this, and a tick running on the worker (other than
  // the caller) has ended when it returns.
  void Cut();

  // UI thread: the timer's tick, when the timer is still there; a failure is handed to the timer.
  void TickOnUiThread() const;
  // Worker: the timer's tick on the worker itself, when the timer is still there. Returns what the
  // tick raised, for the worker to hand to the UI thread (ReportFailure).
  std::exception_ptr TickOnWorker();
  // UI thread: a failure of a tick that ran on the worker.
  void ReportFailure(const std::exception_ptr& failure) const;

 private:
  enum class TState {
    kAttached,         // the timer is there; no tick of it runs on the worker
    kTickingOnWorker,  // the timer is there and its tick runs on the worker (tickingThread_)
    kCutWhileTicking,  // the timer's destruction waits for the worker's tick to end
    kCut,              // the timer is gone or going: nothing reaches it any more
  };

  // Worker: the timer for a tick, moving to kTickingOnWorker; none once the link is cut.
  TThreadedTimer* BeginWorkerTick();
  void EndWorkerTick();

  std::atomic<bool> enabled_{true};
  std::atomic<bool> syncEvent_{true};
  mutable std::mutex mutex_;  // guards what follows
  TState state_ = TState::kAttached;
  TThreadedTimer* const timer_;
  TNotifyEvent handler_;
  std::thread::id tickingThread_;
};
