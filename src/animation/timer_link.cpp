#include "animation/timer_link.h"

#include "animation/threaded_timer.h"
#include "framework/core/synchronize_queue.h"

TNotifyEvent TTimerLink::Handler() const {
  std::lock_guard lock(mutex_);
  return handler_;
}

void TTimerLink::SetHandler(TNotifyEvent handler) {
  std::lock_guard lock(mutex_);
  handler_ = std::move(handler);
}

TThreadedTimer* TTimerLink::Timer() const {
  std::lock_guard lock(mutex_);
  const bool reachable = state_ == TState::kAttached || state_ == TState::kTickingOnWorker;
  return reachable ? timer_ : nullptr;
}

void TTimerLink::Cut() {
  {
    std::lock_guard lock(mutex_);
    handler_ = nullptr;
    if (state_ != TState::kTickingOnWorker) {
      state_ = TState::kCut;
      return;
    }
    if (tickingThread_ == std::this_thread::get_id()) {
      state_ = TState::kCut;  // the tick frees its own timer: waiting for it would never end
      return;
    }
    state_ = TState::kCutWhileTicking;
  }
  // Only while a worker tick runs: waiting runs the calls other workers queued meanwhile, which
  // nobody wants inside a destructor unless it must wait.
  synchronize_queue::WaitUntil([this] {
    std::lock_guard lock(mutex_);
    return state_ == TState::kCut;
  });
}

void TTimerLink::TickOnUiThread() const {
  TThreadedTimer* timer = Timer();
  if (timer == nullptr) return;
  try {
    timer->Tick();
  } catch (...) {
    // The handler may have freed its timer before it failed.
    if (TThreadedTimer* still = Timer()) still->TickFailed();
  }
}

TThreadedTimer* TTimerLink::BeginWorkerTick() {
  std::lock_guard lock(mutex_);
  if (state_ != TState::kAttached) return nullptr;
  state_ = TState::kTickingOnWorker;
  tickingThread_ = std::this_thread::get_id();
  return timer_;
}

void TTimerLink::EndWorkerTick() {
  {
    std::lock_guard lock(mutex_);
    if (state_ == TState::kTickingOnWorker) state_ = TState::kAttached;
    if (state_ == TState::kCutWhileTicking) state_ = TState::kCut;
  }
  synchronize_queue::WakeWaiters();
}

std::exception_ptr TTimerLink::TickOnWorker() {
  TThreadedTimer* timer = BeginWorkerTick();
  if (timer == nullptr) return nullptr;
  std::exception_ptr failure;
  try {
    timer->Tick();
  } catch (...) {
    failure = std::current_exception();
  }
  EndWorkerTick();
  return failure;
}

void TTimerLink::ReportFailure(const std::exception_ptr& failure) const {
  TThreadedTimer* timer = Timer();
  if (timer == nullptr) return;
  try {
    std::rethrow_exception(failure);
  } catch (...) {
    timer->TickFailed();
  }
}
