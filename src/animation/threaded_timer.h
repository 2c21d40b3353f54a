#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/core/component.h"
#include "framework/core/thread_priority.h"
#include "framework/platform/handles.h"
#include "framework/platform/window_message.h"

class TPropertyTable;
class TTimerLink;
class TTimerThread;

// A component that calls OnTimer every Interval milliseconds, from one of two sources:
//   - Threaded (the default): a worker thread sleeps for the interval, then hands the tick to the
//     UI thread and waits until it has run (SyncEvent, the default) or runs it itself;
//   - otherwise: a window timer (identifier 1) on a hidden utility window; ticks come as WM_TIMER
//     on the UI thread.
// A new timer stays silent, even enabled, until a setter arms it. Settings belong to the UI thread;
// a change made on another thread (by the handler of a tick run on the worker) is carried out
// there while that thread waits.
//
// Safety where the two threads meet: no tick starts once destruction has begun (Destroying: a
// descendant whose Tick uses its own members begins its destructor with it, as controls do; an
// owner's destruction does it for everything it owns), also when one was already on its way to
// the UI thread or is due while the application ends. A tick running on the worker is waited for,
// unless that tick is what destroys the timer.
//
// A tick's failure, whatever was thrown, goes to the application's exception display (EAbort
// stays silent and ends that tick only). On the window path every failure is shown and the timer
// goes on; on the worker path the first is shown and the timer disables itself, so that it does
// not come back every interval (StopsOnTickFailure).
class TThreadedTimer : public TComponent {
 public:
  explicit TThreadedTimer(TComponent* owner);
  ~TThreadedTimer() override;
  const char* ClassName() const override { return "TThreadedTimer"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  bool Enabled() const;
  void SetEnabled(bool value);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t value);
  // Read by the worker at every tick; changing it re-arms nothing.
  bool SyncEvent() const;
  void SetSyncEvent(bool value);
  bool Threaded() const { return threaded_; }
  void SetThreaded(bool value);
  TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority value);
  TNotifyEvent OnTimer() const;
  // Re-arms only when a handler appears or goes; swapping one for another takes effect at the
  // next tick.
  void SetOnTimer(TNotifyEvent handler);

  // The hidden window of the window path; none until that path is first armed.
  HWND TimerWindow() const { return timerWindow_; }

  // Calls OnTimer when the timer is enabled, not being destroyed and has a handler; checked again
  // on the thread that runs it, so a tick already under way is dropped when the timer was
  // disabled meanwhile.
  virtual void Tick();

  // Whether a failing tick (other than EAbort) disables the timer once it is shown: on the worker
  // path it does, on the window path the timer goes on.
  bool StopsOnTickFailure() const { return threaded_; }

 protected:
  void BeforeDestruction() override;

 private:
  friend class TTimerLink;

  void Reconfigure();
  void ArmWorker();
  void ArmWindowTimer();
  bool Armable() const;
  void SuspendWorker();
  void DestroyTimerWindow();
  void ReleaseWorker();
  void TimerWindowProc(TMessage& message);
  // UI thread, inside a catch block: a tick failed.
  void TickFailed();
  // Off the UI thread: runs change on the UI thread and answers true; on it: answers false.
  bool HandedToUiThread(const std::function<void(TThreadedTimer&)>& change);

  const std::shared_ptr<TTimerLink> link_;  // Enabled, SyncEvent and OnTimer, shared with Worker
  std::uint32_t interval_ = 1000;
  HWND timerWindow_ = nullptr;
  bool threaded_ = true;
  TTimerThread* worker_;  // frees itself once terminated
  TThreadPriority threadPriority_ = tpNormal;
};
