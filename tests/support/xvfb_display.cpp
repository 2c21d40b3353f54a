#include "support/xvfb_display.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

// Reads the display number Xvfb writes to its -displayfd pipe once it accepts connections; -1
// when it does not within a few seconds.
int ReadDisplayNumber(int fd) {
  std::string text;
  for (;;) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, 10000) <= 0) return -1;
    char c = 0;
    if (read(fd, &c, 1) != 1) return -1;
    if (c == '\n') break;
    text += c;
  }
  return text.empty() ? -1 : std::atoi(text.c_str());
}

}  // namespace

bool HaveProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string CommandOutput(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
    output += buffer;
  if (pclose(pipe) != 0) return {};
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r'))
    output.pop_back();
  return output;
}

TXvfbDisplay::TXvfbDisplay() {
  if (!HaveProgram("Xvfb")) {
    problem_ = "Xvfb is not installed (scripts/setup.sh installs it)";
    return;
  }
  // Xvfb picks a free display number itself and tells it through a pipe, so tests running at
  // the same time never share a display.
  int fds[2];
  if (pipe(fds) != 0) {
    problem_ = "cannot make a pipe for Xvfb";
    return;
  }
  // -noreset: the server keeps its resources (xrdb) when the client that set them leaves.
  std::vector<std::string> args = {"Xvfb",      "-displayfd", std::to_string(fds[1]),
                                   "-screen",   "0",          "1024x768x24",
                                   "-nolisten", "tcp",        "-noreset"};
  std::vector<char*> argv;
  for (auto& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int failed = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  const int number = failed == 0 ? ReadDisplayNumber(fds[0]) : -1;
  close(fds[0]);
  if (number < 0) {
    if (failed == 0) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
    }
    problem_ = "Xvfb did not start";
    return;
  }
  pid_ = pid;
  name_ = ":" + std::to_string(number);
  if (const char* previous = std::getenv("DISPLAY")) {
    hadDisplay_ = true;
    previousDisplay_ = previous;
  }
  setenv("DISPLAY", name_.c_str(), 1);
}

TXvfbDisplay::~TXvfbDisplay() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
  if (hadDisplay_) {
    setenv("DISPLAY", previousDisplay_.c_str(), 1);
  } else {
    unsetenv("DISPLAY");
  }
}
