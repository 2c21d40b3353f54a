#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

// A program started for one test (with the test's environment), killed when the test ends if it
// is still running.
class TSpawnedProgram {
 public:
  // arguments[0] is the program's path.
  explicit TSpawnedProgram(const std::vector<std::string>& arguments);
  ~TSpawnedProgram();
  TSpawnedProgram(const TSpawnedProgram&) = delete;
  TSpawnedProgram& operator=(const TSpawnedProgram&) = delete;

  bool Started() const { return pid_ > 0; }
  // The exit code once the program has ended by itself within the time given; -1 otherwise.
  int ExitCodeWithin(std::chrono::milliseconds limit);

 private:
  pid_t pid_ = -1;
};

// Polls until the X window's caption (xdotool getwindowname) is the one expected, for a few
// seconds.
bool CaptionBecomes(const std::string& window, const std::string& caption);
