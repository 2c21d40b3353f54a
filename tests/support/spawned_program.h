#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A program started for one test or benchmark (with the caller's environment), killed when the
// object goes if it is still running.
class TSpawnedProgram {
 public:
  // arguments[0] is the program's path, or a name looked for on PATH.
  explicit TSpawnedProgram(const std::vector<std::string>& arguments);
  ~TSpawnedProgram();
  TSpawnedProgram(const TSpawnedProgram&) = delete;
  TSpawnedProgram& operator=(const TSpawnedProgram&) = delete;

  bool Started() const { return pid_ > 0; }
  // The exit code once the program has ended by itself within the time given; -1 otherwise.
  int ExitCodeWithin(std::chrono::milliseconds limit);
  // What a program used in its whole life.
  struct TUsage {
    long peakKilobytes = 0;  // the most memory it held: its peak resident set
    double cpuSeconds = 0;   // in user and system mode
  };
  // Ends the program at once and answers what it used; none when it was not running.
  std::optional<TUsage> KillAndReportUsage();

 private:
  pid_t pid_ = -1;
};

// Polls until the X window's caption (xdotool getwindowname) is the one expected, for a few
// seconds.
bool CaptionBecomes(const std::string& window, const std::string& caption);
