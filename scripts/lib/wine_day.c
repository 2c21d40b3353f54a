// wine_day.so: moves the wall clock of Wine's 32-bit processes to another day, for the tours of the
// Windows program (scripts/lib/tour.sh builds and preloads it). libfaketime moves the clock of
// other programs, but not through the 64-bit time calls that 32-bit programs of glibc 2.34 and
// later make, which are the calls Wine makes. Only the wall clock moves, by WINE_DAY_OFFSET
// seconds: the monotonic clock (timers) and file times stay true.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdlib.h>
#include <time.h>

// glibc's 64-bit time structures on a 32-bit system.
struct timespec64 {
  int64_t tv_sec;
  int32_t tv_nsec;
  int32_t padding;
};
struct timeval64 {
  int64_t tv_sec;
  int64_t tv_usec;
};

static int64_t Offset(void) {
  const char* text = getenv("WINE_DAY_OFFSET");
  return text != NULL ? strtoll(text, NULL, 10) : 0;
}

int __clock_gettime64(clockid_t clock, struct timespec64* now) {
  static int (*real)(clockid_t, struct timespec64*);
  if (real == NULL) real = (int (*)(clockid_t, struct timespec64*))dlsym(RTLD_NEXT, __func__);
  const int result = real(clock, now);
  if (result == 0 && (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE)) {
    now->tv_sec += Offset();
  }
  return result;
}

int __gettimeofday64(struct timeval64* now, void* zone) {
  static int (*real)(struct timeval64*, void*);
  if (real == NULL) real = (int (*)(struct timeval64*, void*))dlsym(RTLD_NEXT, __func__);
  const int result = real(now, zone);
  if (result == 0 && now != NULL) now->tv_sec += Offset();
  return result;
}

int64_t __time64(int64_t* now) {
  struct timespec64 clock;
  __clock_gettime64(CLOCK_REALTIME, &clock);
  if (now != NULL) *now = clock.tv_sec;
  return clock.tv_sec;
}
