// The program in a real window: a tour walked with the mouse, the caption read at each step, and
// the choice stored on closing in Init mode; and the window on a desktop scaled to 120 pixels per
// inch. The program takes its day from the clock: it runs under libfaketime on a day in June,
// except in sanitizer builds, which libfaketime hangs: there it runs today.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/fake_day.h"
#include "support/golden_picture.h"
#include "support/scoped_environment.h"
#include "support/spawned_program.h"
#include "support/test_data.h"
#include "support/xvfb_display.h"

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

// A virtual display with the tools the tests drive the program with.
class ProgramUnderXvfb : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!display_.Started()) GTEST_SKIP() << display_.Problem();
    if (!HaveProgram("xdotool")) GTEST_SKIP() << "xdotool is not installed (scripts/setup.sh)";
  }

  // Starts the program with the arguments, on 15 June where libfaketime can be used and today
  // otherwise, with a registry store of the test's own; answers its window once one with a
  // caption that matches the pattern shows.
  std::string Start(const std::vector<std::string>& arguments, const std::string& captionPattern) {
    {
      std::optional<TFakeDay> june;
      if (TFakeDay::Available()) june.emplace("2026-06-15");
      const ScopedEnvironment config("XDG_CONFIG_HOME", config_.Path().string());
      const ScopedEnvironment driver("SDL_VIDEODRIVER", "x11");
      std::vector<std::string> command = {QI_PROGRAM};
      command.insert(command.end(), arguments.begin(), arguments.end());
      program_ = std::make_unique<TSpawnedProgram>(command);
    }
    if (!program_->Started()) return {};
    return CommandOutput("timeout 10 xdotool search --sync --onlyvisible --name '^" +
                         captionPattern + "$' | head -n 1");
  }

  TXvfbDisplay display_;
  qi_test::TempDir config_;
  std::unique_ptr<TSpawnedProgram> program_;
};

// The Init tour as the program shows it on its day: its steps, and the step of the clock style
// page.
struct InitTour {
  int steps;
  int styleStep;
};

InitTour TourOfTheDay() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const bool december = !TFakeDay::Available() && local.tm_mon == 11;
  return december ? InitTour{9, 3} : InitTour{8, 2};  // the greeting page comes first
}

TEST_F(ProgramUnderXvfb, AnInitTourWalkedWithTheMouseStoresTheChoiceOnFinish) {
  const InitTour tour = TourOfTheDay();
  const auto caption = [&](int step) {
    return "Intro " + std::to_string(step) + "/" + std::to_string(tour.steps);
  };
  const std::string window = Start({"init"}, caption(1));
  ASSERT_FALSE(window.empty()) << "the window did not appear";

  for (int step = 2; step <= tour.styleStep; ++step) {
    ClickAt(window, kNextX, kNextY);
    ASSERT_TRUE(CaptionBecomes(window, caption(step))) << Caption(window);
  }
  // The clock style page: pick the floating clock by its picture, go on and come back.
  ClickAt(window, kFloatingClockX, kFloatingClockY);
  ClickAt(window, kNextX, kNextY);
  ASSERT_TRUE(CaptionBecomes(window, caption(tour.styleStep + 1))) << Caption(window);
  ClickAt(window, kBackX, kBackY);
  ASSERT_TRUE(CaptionBecomes(window, caption(tour.styleStep))) << Caption(window);
  for (int step = tour.styleStep + 1; step <= tour.steps; ++step) {
    ClickAt(window, kNextX, kNextY);
    ASSERT_TRUE(CaptionBecomes(window, caption(step))) << Caption(window);
  }
  // "Finish" closes the window and ends the program.
  ClickAt(window, kNextX, kNextY);
  ASSERT_EQ(program_->ExitCodeWithin(10s), 0);

  std::ifstream store(config_.Path() / "quick-introduction" / "registry");
  const std::string text((std::istreambuf_iterator<char>(store)), {});
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Vesperan\\Options]\n"
                      "\"ChangeTrayClock\" = sz:\"0\"\n"),
            std::string::npos)
      << text;
}

// The window as the X server shows it (ImageMagick's import); none when it cannot be taken.
std::optional<ReferencePng> Screenshot(const std::string& window) {
  const std::string file = ::testing::TempDir() + "program-screenshot.png";
  if (std::system(("import -window " + window + " png:" + file).c_str()) != 0) return {};
  return ReadReferencePng(file);
}

// Desktops that scale set the X resource Xft.dpi: the stored positions, sizes and fonts, made for
// 96 pixels per inch, grow by 120/96 (the pictures keep their pixels).
TEST_F(ProgramUnderXvfb, OnADesktopOf120PixelsPerInchTheWindowAndItsContentScale) {
  for (const char* tool : {"xrdb", "import"}) {
    if (!HaveProgram(tool)) GTEST_SKIP() << tool << " is not installed (scripts/setup.sh)";
  }
  ASSERT_EQ(std::system("echo 'Xft.dpi: 120' | xrdb -nocpp -merge"), 0);
  const std::string window = Start({}, "Intro 1/[0-9]+");
  ASSERT_FALSE(window.empty()) << "the window did not appear";

  const std::string geometry = CommandOutput("xdotool getwindowgeometry --shell " + window);
  EXPECT_NE(geometry.find("WIDTH=583\nHEIGHT=418"), std::string::npos) << geometry;  // 466 x 334
  if (!TFakeDay::Available()) GTEST_SKIP() << "the picture is June's: " << TFakeDay::Problem();

  // The first paint may follow the window's appearance by a moment.
  const std::string expectedFile = std::string(QI_EXPECTED_DIR) + "/welcome-120ppi.png";
  const std::optional<ReferencePng> expected = ReadReferencePng(expectedFile);
  std::optional<ReferencePng> shown;
  for (int attempt = 0; attempt < 50; ++attempt) {
    shown = Screenshot(window);
    if (shown && expected && PictureDifferences(*shown, *expected).empty()) break;
    std::this_thread::sleep_for(100ms);
  }
  ASSERT_TRUE(shown) << "no screenshot of the window";
  ExpectGoldenPicture(*shown, expectedFile);
}

}  // namespace
