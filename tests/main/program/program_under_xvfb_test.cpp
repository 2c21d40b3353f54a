// The program in a real window: a tour walked with the mouse, the caption read at each step, and
// the choice stored on closing in Init mode.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "spawned_program.h"
#include "support/test_data.h"
#include "xvfb_display.h"

namespace {

using namespace std::chrono_literals;

std::string Caption(const std::string& window) {
  return CommandOutput("xdotool getwindowname " + window);
}

void ClickAt(const std::string& window, int x, int y) {
  std::system(("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
               std::to_string(y) + " click 1")
                  .c_str());
}

// Middles of the controls the tour uses.
constexpr int kNextX = 324, kNextY = 312;
constexpr int kBackX = 242, kBackY = 312;
constexpr int kFloatingClockX = 374, kFloatingClockY = 165;

TEST(ProgramUnderXvfb, AnInitTourWalkedWithTheMouseStoresTheChoiceOnFinish) {
  TXvfbDisplay display;
  if (!display.Started()) GTEST_SKIP() << display.Problem();
  if (!HaveProgram("xdotool")) GTEST_SKIP() << "xdotool is not installed (scripts/setup.sh)";
  qi_test::TempDir config;
  setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  setenv("QUICK_INTRO_TOUR_DATE", "2026-06-15", 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  TSpawnedProgram program({QI_PROGRAM, "init"});
  unsetenv("SDL_VIDEODRIVER");
  unsetenv("QUICK_INTRO_TOUR_DATE");
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_TRUE(program.Started());
  const std::string window = CommandOutput(
      "timeout 10 xdotool search --sync --onlyvisible --name '^Intro 1/8$' | head -n 1");
  ASSERT_FALSE(window.empty()) << "the window did not appear";

  ClickAt(window, kNextX, kNextY);
  ASSERT_TRUE(CaptionBecomes(window, "Intro 2/8")) << Caption(window);
  // The clock style page: pick the floating clock by its picture.
  ClickAt(window, kFloatingClockX, kFloatingClockY);
  ClickAt(window, kNextX, kNextY);
  ASSERT_TRUE(CaptionBecomes(window, "Intro 3/8")) << Caption(window);
  ClickAt(window, kBackX, kBackY);
  ASSERT_TRUE(CaptionBecomes(window, "Intro 2/8")) << Caption(window);
  for (int step = 3; step <= 8; ++step) {
    ClickAt(window, kNextX, kNextY);
    ASSERT_TRUE(CaptionBecomes(window, "Intro " + std::to_string(step) + "/8")) << Caption(window);
  }
  // "Finish" closes the window and ends the program.
  ClickAt(window, kNextX, kNextY);
  ASSERT_EQ(program.ExitCodeWithin(10s), 0);

  std::ifstream store(config.Path() / "quick-introduction" / "registry");
  const std::string text((std::istreambuf_iterator<char>(store)), {});
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Vesperan\\Options]\n"
                      "\"ChangeTrayClock\" = sz:\"0\"\n"),
            std::string::npos)
      << text;
}

}  // namespace
