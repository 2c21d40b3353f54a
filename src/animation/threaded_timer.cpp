#include "animation/threaded_timer.h"

#include "animation/timer_link.h"
#include "animation/timer_thread.h"
#include "framework/controls/application.h"
#include "framework/controls/window_handles.h"
#include "framework/controls/window_timers.h"
#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/property_table.h"
#include "framework/core/synchronize_queue.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

TThreadedTimer::TThreadedTimer(TComponent* owner)
    : TComponent(owner),
      link_(std::make_shared<TTimerLink>(this)),
      worker_(new TTimerThread(link_)) {}

TThreadedTimer::~TThreadedTimer() {
  Destroying();
  ReleaseWorker();
  DestroyTimerWindow();
}

void TThreadedTimer::BeforeDestruction() {
  link_->SetEnabled(false);
  link_->Cut();
}

void TThreadedTimer::ReleaseWorker() {
  // A worker ends only once terminated, and a suspended one only once resumed as well, so it is
  // still there for each call up to the last one. Hence terminate first, then resume.
  const bool suspended = worker_->Suspended();
  worker_->Terminate();
  if (!suspended) return;
  try {
    worker_->Resume();
  } catch (const EOutOfResources&) {
    delete worker_;  // it could not start, so it will not free itself
  }
}

bool TThreadedTimer::Enabled() const {
  return link_->Enabled();
}

void TThreadedTimer::SetEnabled(bool value) {
  if (HandedToUiThread([value](TThreadedTimer& timer) { timer.SetEnabled(value); })) return;
  if (Enabled() == value) return;
  link_->SetEnabled(value);
  Reconfigure();
}

void TThreadedTimer::SetInterval(std::uint32_t value) {
  if (HandedToUiThread([value](TThreadedTimer& timer) { timer.SetInterval(value); })) return;
  if (interval_ == value) return;
  interval_ = value;
  Reconfigure();
}

bool TThreadedTimer::SyncEvent() const {
  return link_->SyncEvent();
}

void TThreadedTimer::SetSyncEvent(bool value) {
  link_->SetSyncEvent(value);
}

void TThreadedTimer::SetThreaded(bool value) {
  if (HandedToUiThread([value](TThreadedTimer& timer) { timer.SetThreaded(value); })) return;
  if (threaded_ == value) return;
  threaded_ = value;
  Reconfigure();
}

void TThreadedTimer::SetThreadPriority(TThreadPriority value) {
  if (HandedToUiThread([value](TThreadedTimer& timer) { timer.SetThreadPriority(value); })) return;
  if (threadPriority_ == value) return;
  threadPriority_ = value;
  if (threaded_) Reconfigure();
}

TNotifyEvent TThreadedTimer::OnTimer() const {
  return link_->Handler();
}

void TThreadedTimer::SetOnTimer(TNotifyEvent handler) {
  if (HandedToUiThread([handler](TThreadedTimer& timer) { timer.SetOnTimer(handler); })) return;
  const bool wasAssigned = static_cast<bool>(link_->Handler());
  const bool assigned = static_cast<bool>(handler);
  link_->SetHandler(std::move(handler));
  if (assigned != wasAssigned) Reconfigure();
}

bool TThreadedTimer::HandedToUiThread(const std::function<void(TThreadedTimer&)>& change) {
  if (synchronize_queue::InMainThread()) return false;
  const std::shared_ptr<TTimerLink> link = link_;
  synchronize_queue::Synchronize([&] {
    if (TThreadedTimer* timer = link->Timer()) change(*timer);
  });
  return true;
}

void TThreadedTimer::Reconfigure() {
  if (threaded_) {
    ArmWorker();
  } else {
    ArmWindowTimer();
  }
}

bool TThreadedTimer::Armable() const {
  return interval_ != 0 && Enabled() && link_->Handler();
}

void TThreadedTimer::ArmWorker() {
  DestroyTimerWindow();
  SuspendWorker();
  worker_->SetSleepInterval(interval_);
  if (!Armable()) return;
  worker_->SetPriority(threadPriority_);
  while (worker_->Suspended())
    worker_->Resume();
}

void TThreadedTimer::ArmWindowTimer() {
  SuspendWorker();
  if (timerWindow_ == nullptr) {
    timerWindow_ = AllocateHWnd([this](TMessage& message) { TimerWindowProc(message); });
  } else {
    KillTimer(timerWindow_, kTimerId);
  }
  if (Armable() && SetTimer(timerWindow_, kTimerId, interval_) == 0) {
    throw EOutOfResources(messages::kNoTimers);
  }
}

void TThreadedTimer::SuspendWorker() {
  if (!worker_->Suspended()) worker_->Suspend();
}

void TThreadedTimer::DestroyTimerWindow() {
  if (timerWindow_ == nullptr) return;
  KillTimer(timerWindow_, kTimerId);
  DeallocateHWnd(timerWindow_);
  timerWindow_ = nullptr;
}

void TThreadedTimer::TimerWindowProc(TMessage& message) {
  // Nothing but the timer's own message is handled; the default handling of the rest answers 0.
  if (message.Msg != WM_TIMER) return;
  try {
    Tick();
  } catch (...) {
    TickFailed();
  }
}

void TThreadedTimer::Tick() {
  // The link is cut as destruction begins, on whichever thread this runs.
  if (!Enabled() || link_->Timer() == nullptr) return;
  // The handler may free the timer: nothing of it is touched after the call.
  if (const TNotifyEvent handler = link_->Handler()) handler(this);
}

void TThreadedTimer::TickFailed() {
  try {
    throw;
  } catch (const EAbort&) {
    // Silent by design: it ends this tick only.
  } catch (...) {
    if (StopsOnTickFailure()) SetEnabled(false);
    if (Application != nullptr) Application->HandleException(this);
  }
}

const TPropertyTable& TThreadedTimer::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable()
          .Boolean("Enabled", &TThreadedTimer::Enabled, &TThreadedTimer::SetEnabled, true)
          .Integer("Interval", &TThreadedTimer::Interval, &TThreadedTimer::SetInterval, 1000)
          .Boolean("SyncEvent", &TThreadedTimer::SyncEvent, &TThreadedTimer::SetSyncEvent, true)
          .Boolean("Threaded", &TThreadedTimer::Threaded, &TThreadedTimer::SetThreaded, true)
          .Enum("ThreadPriority", &TThreadedTimer::ThreadPriority,
                &TThreadedTimer::SetThreadPriority,
                {{"tpIdle", tpIdle},
                 {"tpLowest", tpLowest},
                 {"tpLower", tpLower},
                 {"tpNormal", tpNormal},
                 {"tpHigher", tpHigher},
                 {"tpHighest", tpHighest},
                 {"tpTimeCritical", tpTimeCritical}},
                tpNormal)
          .Event("OnTimer", &TThreadedTimer::SetOnTimer);
  return table;
}
