#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include "xvfb_display.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

// The demo program, started on the test's display and stopped when the test ends.
class DemoProcess {
 public:
  DemoProcess() {
    char* argv[] = {const_cast<char*>(QI_CONTROLS_DEMO), nullptr};
    if (posix_spawn(&pid_, QI_CONTROLS_DEMO, nullptr, nullptr, argv, environ) != 0) pid_ = -1;
  }
  ~DemoProcess() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  bool Started() const { return pid_ > 0; }

  // The exit code once the program has ended by itself within the time given; -1 otherwise.
  int ExitCodeWithin(std::chrono::milliseconds limit) {
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

 private:
  pid_t pid_ = -1;
};

// Polls until the window's caption is the one expected, for a few seconds.
bool CaptionBecomes(const std::string& window, const std::string& caption) {
  for (int i = 0; i < 100; ++i) {
    if (CommandOutput("xdotool getwindowname " + window) == caption) return true;
    std::this_thread::sleep_for(50ms);
  }
  return false;
}

TEST(DemoUnderXvfb, TheDemoBuiltFromFormDataRunsInARealWindow) {
  TXvfbDisplay display;
  if (!display.Started()) GTEST_SKIP() << display.Problem();
  if (!HaveProgram("xdotool")) GTEST_SKIP() << "xdotool is not installed (scripts/setup.sh)";
  // The demo inherits the suite's settings, leak checks off included (see CMakeLists.txt).
  setenv("SDL_VIDEODRIVER", "x11", 1);
  DemoProcess demo;
  unsetenv("SDL_VIDEODRIVER");
  ASSERT_TRUE(demo.Started());
  const std::string window = CommandOutput(
      "timeout 10 xdotool search --sync --onlyvisible --name '^Controls Demo$' | head -n 1");
  ASSERT_FALSE(window.empty()) << "the demo's window did not appear";
  // Its "Change" button (left 200, top 194, 82 x 28) counts the changes in the caption.
  std::system(("xdotool mousemove --window " + window + " 240 208 click 1").c_str());
  EXPECT_TRUE(CaptionBecomes(window, "Controls Demo 1"));
  // Esc activates the "Close" button, which closes the main form and ends the program.
  std::system(("xdotool key --window " + window + " Escape").c_str());
  EXPECT_EQ(demo.ExitCodeWithin(10s), 0);
}

}  // namespace
