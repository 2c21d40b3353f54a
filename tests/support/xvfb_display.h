#pragma once

#include <sys/types.h>
#include <string>

// A virtual X display for one test: starts Xvfb on a display number of its choosing, points DISPLAY
// at it and stops it again. Started() is false (with the reason in Problem()) when Xvfb is missing
// or does not come up.
class TXvfbDisplay {
 public:
  TXvfbDisplay();
  ~TXvfbDisplay();
  TXvfbDisplay(const TXvfbDisplay&) = delete;
  TXvfbDisplay& operator=(const TXvfbDisplay&) = delete;

  bool Started() const { return pid_ > 0; }
  const std::string& Problem() const { return problem_; }
  const std::string& Name() const { return name_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
  std::string problem_;
  std::string previousDisplay_;
  bool hadDisplay_ = false;
};

// Whether a program can be found on PATH.
bool HaveProgram(const std::string& name);
// Runs a shell command and returns what it wrote to its standard output, without the last line
// break; empty when it failed.
std::string CommandOutput(const std::string& command);
