#pragma once

#include <string>

#include "support/scoped_environment.h"

// While it lives, programs started by a test or benchmark run on another day: libfaketime,
// preloaded, makes their clock start at noon of that day. Their monotonic clock (timers) and the
// times of files (fontconfig trusts its caches by them) stay true.
class TFakeDay {
 public:
  // date: "YYYY-MM-DD".
  explicit TFakeDay(const std::string& date);

  // Whether libfaketime can be used: it was found when the project was configured
  // (scripts/setup.sh installs it), and this is not a sanitizer build. Problem() says why not.
  static bool Available();
  static const char* Problem();

 private:
  ScopedEnvironment preload_;
  ScopedEnvironment time_;
  ScopedEnvironment monotonic_;
  ScopedEnvironment fileTimes_;
};
