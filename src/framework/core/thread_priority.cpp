#include "framework/core/thread_priority.h"

#include <atomic>

#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

#ifdef __linux__

constexpr int kNiceValues[] = {0, 10, 5, 0, -5, -10, -15};

long BuiltInCurrentThread() {
  return static_cast<long>(gettid());
}

void BuiltInApplyPriority(long tid, TThreadPriority priority) {
  const sched_param param{};
  const auto id = static_cast<pid_t>(tid);
  if (priority == tpIdle) {
    sched_setscheduler(id, SCHED_IDLE, &param);
    return;
  }
  sched_setscheduler(id, SCHED_OTHER, &param);
  setpriority(PRIO_PROCESS, static_cast<id_t>(id), kNiceValues[priority]);
}

#else

long BuiltInCurrentThread() {
  return 0;
}

void BuiltInApplyPriority(long, TThreadPriority) {}

#endif

constexpr TThreadScheduling kBuiltIn{BuiltInCurrentThread, BuiltInApplyPriority};

// Read by every worker as it starts.
std::atomic<const TThreadScheduling*> installed{&kBuiltIn};

}  // namespace

long CurrentThreadTid() {
  return installed.load()->currentThread();
}

void ApplyThreadPriority(long tid, TThreadPriority priority) {
  installed.load()->applyPriority(tid, priority);
}

void SetThreadScheduling(const TThreadScheduling* scheduling) {
  installed.store(scheduling != nullptr ? scheduling : &kBuiltIn);
}
