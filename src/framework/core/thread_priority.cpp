#include "framework/core/thread_priority.h"

#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

#ifdef __linux__

namespace {

constexpr int kNiceValues[] = {0, 10, 5, 0, -5, -10, -15};

}  // namespace

long CurrentThreadTid() {
  return static_cast<long>(gettid());
}

void ApplyThreadPriority(long tid, TThreadPriority priority) {
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

long CurrentThreadTid() {
  return 0;
}

void ApplyThreadPriority(long, TThreadPriority) {}

#endif
