#include "framework/backends/sdl/sdl_backend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>

#include "framework/controls/application.h"
#include "framework/controls/button.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/controls/window_handles.h"
#include "framework/controls/window_timers.h"
#include "support/xvfb_display.h"
#include "x_pointer.h"

namespace {

// Chooses the SDL video driver for one test.
class ScopedVideoDriver {
 public:
  explicit ScopedVideoDriver(const char* driver) { setenv("SDL_VIDEODRIVER", driver, 1); }
  ~ScopedVideoDriver() { unsetenv("SDL_VIDEODRIVER"); }
};

// A form with one button, run by a real SDL backend.
class SdlProgram {
 public:
  SdlProgram() : scope_(backend_) {
    application_.Initialize();
    application_.SetTitle("SDL Test");
    form_ = new TForm(&application_);
    form_->SetCaption(kCaption);
    form_->SetBounds(0, 0, 200, 100);
    form_->SetPosition(poScreenCenter);
    form_->SetBorderStyle(bsToolWindow);
    form_->SetFormStyle(fsStayOnTop);
    button_ = new TButton(form_);
    button_->SetParent(form_);
    button_->SetBounds(20, 30, 80, 28);
    button_->SetDefault(true);
    application_.SetMainForm(form_);
  }

  // Runs the loop until the button's handler or the time limit ends it.
  void RunAtMost(unsigned milliseconds) {
    HWND limit = AllocateHWnd([this](TMessage& m) {
      if (m.Msg == WM_TIMER) application_.Terminate();
    });
    SetTimer(limit, 1, milliseconds);
    application_.Run();
    DeallocateHWnd(limit);
  }

  static constexpr const char* kCaption = "QI SDL Test Window";
  TSdlBackend backend_;
  TScopedWindowBackend scope_;
  TApplication application_;
  TForm* form_ = nullptr;
  TButton* button_ = nullptr;
};

class SdlUnderXvfb : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!display_.Started()) GTEST_SKIP() << display_.Problem();
    if (!HaveProgram("xdotool")) GTEST_SKIP() << "xdotool is not installed (scripts/setup.sh)";
  }

  // Runs the program while xdotool finds its window (waiting until it is mapped) and acts on it
  // ("WID" in actions stands for the window); answers how often the button was clicked.
  static int ClicksWhileDriving(const std::string& actions) {
    SdlProgram program;
    int clicks = 0;
    program.button_->SetOnClick([&](TObject*) {
      ++clicks;
      program.application_.Terminate();
    });
    std::thread driver([actions] {
      const std::string window =
          CommandOutput(std::string("timeout 10 xdotool search --sync --onlyvisible --name '^") +
                        SdlProgram::kCaption + "$' | head -n 1");
      if (window.empty()) return;
      std::string command = actions;
      command.replace(command.find("WID"), 3, window);
      std::system(("xdotool " + command + " >/dev/null 2>&1").c_str());
    });
    program.RunAtMost(15000);
    driver.join();
    return clicks;
  }

  TXvfbDisplay display_;
  ScopedVideoDriver driver_{"x11"};
};

TEST_F(SdlUnderXvfb, AClickWithXdotoolReachesTheButton) {
  EXPECT_EQ(ClicksWhileDriving("mousemove --window WID 40 45 click 1"), 1);
}

TEST_F(SdlUnderXvfb, EnterFromTheKeyboardReachesTheDefaultButton) {
  EXPECT_EQ(ClicksWhileDriving("key --window WID Return"), 1);
}

// An 8 x 8 cursor picture of one colour (0xRRGGBB), its hot spot in the middle.
TCursorImage SolidCursor(std::uint32_t rgb) {
  TArgbImage image{8, 8, std::vector<std::uint32_t>(64, 0xFF000000u | rgb)};
  return {image, 4, 4};
}

TEST_F(SdlUnderXvfb, AnAnimatedCursorStepsAtItsRatesWhileTheMouseIsOverTheWindow) {
  SdlProgram program;
  Screen->SetCursors(100, program.backend_.CreateAnimatedCursor(
                              {{SolidCursor(0xFF0000), 150}, {SolidCursor(0x0000FF), 150}}));
  program.form_->SetCursor(100);
  program.form_->Show();
  // The colours of the pointer as the X server shows it, sampled while the program runs.
  std::atomic<bool> running = true;
  std::set<std::uint32_t> seen;
  std::thread watcher([&] {
    const std::string window =
        CommandOutput(std::string("timeout 10 xdotool search --sync --onlyvisible --name '^") +
                      SdlProgram::kCaption + "$' | head -n 1");
    if (window.empty()) return;
    std::system(("xdotool mousemove --window " + window + " 40 20 >/dev/null 2>&1").c_str());
    TXPointer pointer;
    while (running) {
      const auto picture = pointer.Picture();
      if (picture && picture->width == 8 && picture->hotSpotX == 4)
        seen.insert(picture->firstPixel & 0xFFFFFF);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  program.RunAtMost(2500);
  running = false;
  watcher.join();
  EXPECT_EQ(seen, (std::set<std::uint32_t>{0xFF0000, 0x0000FF}));
}

TEST(SdlOffscreen, RunsWithoutADisplayAndMessageBoxesReturnAtOnce) {
  ScopedVideoDriver driver("offscreen");
  SdlProgram program;
  program.form_->Show();
  program.application_.ProcessMessages();
  testing::internal::CaptureStderr();
  const int answer =
      program.application_.MessageBox("Resource X not found.", "SDL Test", MB_OK | MB_ICONERROR);
  const std::string written = testing::internal::GetCapturedStderr();
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(written, "SDL Test: Resource X not found.\n");
  // Colour cursors may not exist here; the handle still does.
  HCURSOR cursor = program.backend_.CreateCursor({TArgbImage{2, 2, {0, 0, 0, 0}}, 1, 1});
  ASSERT_NE(cursor, nullptr);
  DestroyCursor(cursor);
}

TEST(SdlOffscreen, AWorkerWakesTheWaitingLoop) {
  ScopedVideoDriver driver("offscreen");
  SdlProgram program;
  std::thread worker([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    program.application_.Terminate();  // wakes the loop from another thread
  });
  const auto start = std::chrono::steady_clock::now();
  program.RunAtMost(20000);
  worker.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
