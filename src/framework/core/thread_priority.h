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

// The kernel's number for the calling thread, for ApplyThreadPriority from other threads.
long CurrentThreadTid();

// Gives the thread with kernel id tid the scheduling closest to priority, as far as the process
// may. On Linux tpIdle is SCHED_IDLE and the others are SCHED_OTHER with nice values 10, 5, 0,
// -5, -10 and -15. An unprivileged process may not lower a nice value (raise a priority) below
// its limit, nor leave SCHED_IDLE; such refusals are ignored: the priority is a wish, and a timer
// that ticks at normal priority still works. Elsewhere this does nothing.
void ApplyThreadPriority(long tid, TThreadPriority priority);
