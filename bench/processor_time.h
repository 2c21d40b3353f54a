#pragma once

#include <ctime>

// Processor time of the whole process, all threads counted: the machine is shared, and the time
// others take from it should count against neither side of a comparison.
inline double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The processor time run takes.
template <typename Run>
double SecondsFor(const Run& run) {
  const double start = CpuSeconds();
  run();
  return CpuSeconds() - start;
}
