#pragma once

// Scheduling priorities of worker threads, lowest first.
enum TThreadPriority {
  tpIdle,
  tpLowest,
  tpLower,
  tpNormal,
  tpHigher,
  tpHighest,
  tpTimeCritical,
};

// The system's number for the calling thread, for ApplyThreadPriority from other threads.
long CurrentThreadTid();

// Gives the thread with that number the scheduling closest to priority, as far as the process
// may. Built in: on Linux tpIdle is SCHED_IDLE and the others are SCHED_OTHER with nice values
// 10, 5, 0, -5, -10 and -15. An unprivileged process may not lower a nice value (raise a
// priority) below its limit, nor leave SCHED_IDLE; such refusals are ignored: the priority is a
// wish, and a timer that ticks at normal priority still works. Elsewhere nothing is built in, and
// a platform backend installs its own way (SetThreadScheduling).
void ApplyThreadPriority(long tid, TThreadPriority priority);

// A platform's own way of numbering threads and applying priorities.
struct TThreadScheduling {
  long (*currentThread)();
  void (*applyPriority)(long tid, TThreadPriority priority);
};

// Installs a way (null: back to the built-in one). The scheduling must outlive its use; install it
// once at start-up, before any worker starts.
void SetThreadScheduling(const TThreadScheduling* scheduling);
