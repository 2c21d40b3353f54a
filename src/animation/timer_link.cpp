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
  return timer_;
}

void TTimerLink::Cut() {
  {
    std::lock_guard lock(mutex_);
    timer_ = nullptr;
    handler_ = nullptr;
    if (ticksOnWorker_ == 0) return;
  }
  // Only while a worker tick runs: waiting runs the calls other workers queued meanwhile, which
  // nobody wants inside a destructor unless it must wait.
  synchronize_queue::WaitUntil([this] {
    std::lock_guard lock(mutex_);
    return ticksOnWorker_ == 0;
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

std::exception_ptr TTimerLink::TickOnWorker() {
  TThreadedTimer* timer;
  {
    std::lock_guard lock(mutex_);
    timer = timer_;
    if (timer == nullptr) return nullptr;
    ++ticksOnWorker_;
  }
  std::exception_ptr failure;
  try {
    timer->Tick();
  } catch (...) {
    failure = std::current_exception();
  }
  {
    std::lock_guard lock(mutex_);
    --ticksOnWorker_;
  }
  synchronize_queue::WakeWaiters();
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
