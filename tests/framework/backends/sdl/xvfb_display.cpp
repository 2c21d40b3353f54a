#include "xvfb_display.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

extern char** environ;

namespace {

bool DisplayInUse(int number) {
  const std::string n = std::to_string(number);
  return std::filesystem::exists("/tmp/.X11-unix/X" + n) ||
         std::filesystem::exists("/tmp/.X" + n + "-lock");
}

bool WaitForSocket(int number, pid_t pid) {
  const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
  for (int i = 0; i < 100; ++i) {
    if (std::filesystem::exists(socket)) return true;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return false;  // it gave up
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
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
  for (int number = 90; number < 190 && pid_ <= 0; ++number) {
    if (DisplayInUse(number)) continue;
    const std::string display = ":" + std::to_string(number);
    std::vector<std::string> args = {"Xvfb",        display,     "-screen", "0",
                                     "1024x768x24", "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (auto& arg : args)
      argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) continue;
    if (!WaitForSocket(number, pid)) {
      kill(pid, SIGTERM);
      waitpid(pid, nullptr, 0);
      continue;  // another display took the number first
    }
    pid_ = pid;
    name_ = display;
  }
  if (pid_ <= 0) {
    problem_ = "Xvfb did not start on any free display number";
    return;
  }
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
