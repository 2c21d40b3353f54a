#include "framework/controls/window_timers.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "framework/controls/window_handles.h"
#include "headless_fixture.h"

namespace {

class WindowTimers : public HeadlessTest {
 protected:
  WindowTimers() {
    window_ = AllocateHWnd([this](TMessage& message) {
      if (message.Msg != WM_TIMER) return;
      ticks_.push_back({message.WParam, backend_.NowMs()});
      threads_.push_back(std::this_thread::get_id());
    });
  }
  ~WindowTimers() override { DeallocateHWnd(window_); }

  void RunFor(std::uint64_t milliseconds) {
    for (std::uint64_t i = 0; i < milliseconds; ++i) {
      backend_.AdvanceTime(1);
      application_->ProcessMessages();
    }
  }

  struct Tick {
    WPARAM id;
    std::uint64_t at;
    bool operator==(const Tick&) const = default;
  };

  HWND window_ = nullptr;
  std::vector<Tick> ticks_;
  std::vector<std::thread::id> threads_;
};

TEST_F(WindowTimers, ATimerDeliversWmTimerEachIntervalOnTheUiThread) {
  ASSERT_EQ(SetTimer(window_, 1, 100), 1u);
  RunFor(350);
  EXPECT_EQ(ticks_, (std::vector<Tick>{{1, 100}, {1, 200}, {1, 300}}));
  for (auto id : threads_)
    EXPECT_EQ(id, std::this_thread::get_id());
}

TEST_F(WindowTimers, SettingAgainRestartsThePeriodAndKillingStopsIt) {
  SetTimer(window_, 1, 100);
  RunFor(50);
  SetTimer(window_, 1, 100);
  RunFor(120);
  EXPECT_EQ(ticks_, (std::vector<Tick>{{1, 150}}));
  EXPECT_TRUE(KillTimer(window_, 1));
  EXPECT_FALSE(KillTimer(window_, 1));
  RunFor(300);
  EXPECT_EQ(ticks_.size(), 1u);
}

TEST_F(WindowTimers, ALateLoopGetsOneTickNotOnePerMissedInterval) {
  SetTimer(window_, 7, 100);
  backend_.AdvanceTime(1000);
  application_->ProcessMessages();
  EXPECT_EQ(ticks_, (std::vector<Tick>{{7, 1000}}));
  RunFor(100);
  EXPECT_EQ(ticks_.back(), (Tick{7, 1100}));
}

TEST_F(WindowTimers, WhenEveryTimerIsInUseSetTimerAnswersZero) {
  window_timers::SetCapacity(2);
  EXPECT_EQ(SetTimer(window_, 1, 100), 1u);
  EXPECT_EQ(SetTimer(window_, 2, 100), 2u);
  EXPECT_EQ(SetTimer(window_, 3, 100), 0u);
  EXPECT_EQ(SetTimer(window_, 2, 50), 2u);  // restarting one in use needs no new timer
  KillTimer(window_, 1);
  EXPECT_EQ(SetTimer(window_, 3, 100), 3u);
}

TEST_F(WindowTimers, ATimerDiesWithItsWindowAndADeadWindowGetsNone) {
  HWND other = AllocateHWnd([](TMessage&) {});
  SetTimer(other, 1, 10);
  EXPECT_EQ(window_timers::Count(), 1u);
  DeallocateHWnd(other);
  EXPECT_EQ(window_timers::Count(), 0u);
  EXPECT_EQ(SetTimer(other, 1, 10), 0u);
}

TEST_F(WindowTimers, RunSleepsUntilTheNextTimerIsDue) {
  // With the headless clock, a loop with nothing else to do jumps to the next due time.
  HWND stopper = AllocateHWnd([this](TMessage& message) {
    if (message.Msg == WM_TIMER) application_->Terminate();
  });
  SetTimer(window_, 1, 40);
  SetTimer(stopper, 1, 130);
  application_->Run();
  EXPECT_EQ(ticks_, (std::vector<Tick>{{1, 40}, {1, 80}, {1, 120}}));
  EXPECT_EQ(backend_.NowMs(), 130u);
  DeallocateHWnd(stopper);
}

}  // namespace
