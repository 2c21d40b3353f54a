#include "support/spawned_program.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "support/xvfb_display.h"

extern char** environ;

using namespace std::chrono_literals;

TSpawnedProgram::TSpawnedProgram(const std::vector<std::string>& arguments) {
  std::vector<std::string> copies = arguments;
  std::vector<char*> argv;
  for (auto& argument : copies)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  if (posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
}

TSpawnedProgram::~TSpawnedProgram() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

int TSpawnedProgram::ExitCodeWithin(std::chrono::milliseconds limit) {
  for (auto waited = 0ms; waited < limit; waited += 50ms) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::this_thread::sleep_for(50ms);
  }
  return -1;
}

std::optional<TSpawnedProgram::TUsage> TSpawnedProgram::KillAndReportUsage() {
  if (pid_ <= 0) return std::nullopt;
  kill(pid_, SIGKILL);
  rusage usage{};
  const bool reaped = wait4(pid_, nullptr, 0, &usage) == pid_;
  pid_ = -1;
  if (!reaped) return std::nullopt;
  const auto seconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
  };
  return TUsage{usage.ru_maxrss, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

bool CaptionBecomes(const std::string& window, const std::string& caption) {
  for (int i = 0; i < 200; ++i) {
    if (CommandOutput("xdotool getwindowname " + window) == caption) return true;
    std::this_thread::sleep_for(25ms);
  }
  return false;
}
