#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "support/spawned_program.h"
#include "support/xvfb_display.h"

namespace {

using namespace std::chrono_literals;

TEST(DemoUnderXvfb, TheDemoBuiltFromFormDataRunsInARealWindow) {
  TXvfbDisplay display;
  if (!display.Started()) GTEST_SKIP() << display.Problem();
  if (!HaveProgram("xdotool")) GTEST_SKIP() << "xdotool is not installed (scripts/setup.sh)";
  // The demo inherits the suite's settings, leak checks off included (see CMakeLists.txt).
  setenv("SDL_VIDEODRIVER", "x11", 1);
  TSpawnedProgram demo({QI_CONTROLS_DEMO});
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
