#include "framework/controls/window_timers.h"

#include <gtest/gtest.h>

#include <map>
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

// The headless backend with window timers its "platform" runs; the test makes them expire.
class TPlatformTimerBackend : public THeadlessBackend, public TPlatformTimers {
 public:
  TPlatformTimers* PlatformTimers() override { return this; }
  bool StartTimer(std::uintptr_t key, unsigned intervalMs) override {
    if (full) return false;
    running[key] = intervalMs;
    return true;
  }
  void StopTimer(std::uintptr_t key) override { running.erase(key); }
  void Expire(std::uintptr_t key) {
    TInputEvent event{TInputEventKind::kTimer};
    event.timer = key;
    Inject(event);
  }

  std::map<std::uintptr_t, unsigned> running;  // key: interval
  bool full = false;
};

TEST_F(WindowTimers, TimersThePlatformRunsAreArmedThereAndTheirExpiriesDelivered) {
  TPlatformTimerBackend platform;
  TScopedWindowBackend scope(platform);
  ASSERT_EQ(SetTimer(window_, 5, 3), 5u);
  ASSERT_EQ(platform.running.size(), 1u);
  const auto [key, interval] = *platform.running.begin();
  EXPECT_EQ(interval, USER_TIMER_MINIMUM);
  EXPECT_EQ(window_timers::NextDue(), std::nullopt) << "not timed here";
  platform.Expire(key);
  application_->ProcessMessages();
  EXPECT_EQ(ticks_.size(), 1u);
  EXPECT_EQ(ticks_.back().id, 5u);

  EXPECT_EQ(SetTimer(window_, 5, 50), 5u);
  EXPECT_EQ(platform.running, (std::map<std::uintptr_t, unsigned>{{key, 50}})) << "restarted";
  platform.full = true;
  EXPECT_EQ(SetTimer(window_, 6, 10), 0u);
  EXPECT_EQ(window_timers::Count(), 1u);
  platform.full = false;

  EXPECT_TRUE(KillTimer(window_, 5));
  EXPECT_TRUE(platform.running.empty());
  platform.Expire(key);  // already on its way when the timer was killed
  application_->ProcessMessages();
  EXPECT_EQ(ticks_.size(), 1u);

  HWND other = AllocateHWnd([](TMessage&) {});
  SetTimer(other, 1, 10);
  DeallocateHWnd(other);
  EXPECT_TRUE(platform.running.empty());
}

}  // namespace
