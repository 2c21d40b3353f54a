#include "animation/timer_thread.h"

#include <limits>

#include "framework/controls/application.h"
#include "framework/core/exceptions.h"

TTimerThread::TTimerThread(std::shared_ptr<TTimerLink> ownerTimer)
    : TThread(true), ownerTimer_(std::move(ownerTimer)) {
  SetFreeOnTerminate(true);
}

bool TTimerThread::StopRequested() const {
  return Terminated() || ApplicationTerminating();
}

void TTimerThread::Execute() {
  while (!Terminated()) {
    if (StopRequested()) {
      // The application is ending but this worker was not terminated yet: it waits for that
      // without ticking and without spinning (a sleep that Terminate cuts short).
      Sleep(std::numeric_limits<unsigned>::max());
      continue;
    }
    Sleep(sleepInterval_.load());
    if (StopRequested() || !ownerTimer_->Enabled()) continue;
    try {
      DeliverTick();
    } catch (const ESynchronizeCancelled&) {
      // The UI thread runs no more calls: the application is ending, and the next round waits.
    } catch (...) {
      // Reporting the tick's failure failed too. The worker must not end under its timer.
    }
  }
}

void TTimerThread::DeliverTick() {
  if (ownerTimer_->SyncEvent()) {
    // Asked again on the UI thread, where the application is told to end: a tick handed over
    // just before that moment is dropped.
    Synchronize([this] {
      if (!StopRequested()) ownerTimer_->TickOnUiThread();
    });
    return;
  }
  if (const std::exception_ptr failure = ownerTimer_->TickOnWorker()) {
    Synchronize([this, &failure] { ownerTimer_->ReportFailure(failure); });
  }
}
