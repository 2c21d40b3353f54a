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
// Safety where the two threads meet: no tick runs once the destructor has begun, also when one
// was already on its way to the UI thread; a tick handler's failure on the worker path is shown
// through the application's exception display once, and the timer disables itself so that it
// does not come back every interval (EAbort stays silent and changes nothing).
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
  bool BeingDestroyed() const;
  // UI thread, inside a catch block: a tick of the worker path failed.
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
