#include "animation/threaded_timer.h"

#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/controls/headless_fixture.h"
#include "framework/core/exceptions.h"
#include "framework/core/synchronize_queue.h"
#include "support/stress_rounds.h"

// Suites here start with "Thread": scripts/test-sanitizers.sh runs them under ThreadSanitizer.
// Worker ticks come in real time; the window path runs on the headless backend's clock.

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A timer that counts the ticks its worker or window delivers, with or without a handler.
class CountingTimer : public TThreadedTimer {
 public:
  using TThreadedTimer::TThreadedTimer;
  void Tick() override {
    ++delivered;
    TThreadedTimer::Tick();
  }
  int delivered = 0;  // UI thread only (synchronised ticks)
};

class ThreadedTimer : public HeadlessTest {
 protected:
  // Counts the calls workers hand over to the UI thread, as the loop's own wake-up would see them.
  ThreadedTimer() {
    synchronize_queue::SetWakeUp([this] {
      ++handedOver_;
      backend_.Wake();
    });
  }

  // Runs the UI thread's messages (and so the worker's synchronised ticks) until done() holds or
  // the time is up; true when done() held.
  template <typename Done>
  bool PumpUntil(Done done, std::chrono::milliseconds limit = 5s) {
    const auto until = Clock::now() + limit;
    while (Clock::now() < until) {
      application_->ProcessMessages();
      if (done()) return true;
      std::this_thread::sleep_for(1ms);
    }
    return false;
  }
  void PumpFor(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
  }

  // Waits, without running any call, until a worker has handed one more call over than before
  // (taken before the timer was armed): a tick then waits for the UI thread.
  void WaitForHandOver(int before) {
    const auto until = Clock::now() + 5s;
    while (handedOver_ == before && Clock::now() < until)
      std::this_thread::sleep_for(1ms);
    ASSERT_GT(handedOver_.load(), before) << "the worker never handed a tick over";
  }

  // Records each tick's time and thread.
  TNotifyEvent Recorder() {
    return [this](TObject*) {
      times_.push_back(Clock::now());
      threads_.push_back(std::this_thread::get_id());
    };
  }

  std::atomic<int> handedOver_{0};
  std::vector<Clock::time_point> times_;
  std::vector<std::thread::id> threads_;
};

TEST_F(ThreadedTimer, WorkerTicksArriveOnTheUiThreadAboutEveryInterval) {
  TThreadedTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer(Recorder());
  ASSERT_TRUE(PumpUntil([&] { return times_.size() >= 6; }));
  timer.SetEnabled(false);
  for (auto id : threads_)
    EXPECT_EQ(id, std::this_thread::get_id());
  // Each period is a full sleep plus the hand-over; loose bounds only.
  const auto average = (times_.back() - times_.front()) / (times_.size() - 1);
  EXPECT_GE(average, 18ms);
  EXPECT_LT(average, 500ms);
}

TEST_F(ThreadedTimer, ANewTimerStaysSilentUntilASetterArmsIt) {
  CountingTimer timer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_TRUE(timer.SyncEvent());
  EXPECT_TRUE(timer.Threaded());
  EXPECT_EQ(timer.ThreadPriority(), tpNormal);
  PumpFor(1200ms);  // one default interval and then some
  EXPECT_EQ(timer.delivered, 0);

  timer.SetInterval(10);  // armed only with a handler
  PumpFor(100ms);
  EXPECT_EQ(timer.delivered, 0);
  timer.SetOnTimer(Recorder());  // unassigned -> assigned arms it
  EXPECT_TRUE(PumpUntil([&] { return !times_.empty(); }));
}

TEST_F(ThreadedTimer, IntervalZeroOrDisabledGivesNoTicksOnEitherPath) {
  CountingTimer timer(nullptr);
  timer.SetOnTimer(Recorder());
  timer.SetInterval(0);
  PumpFor(100ms);
  timer.SetInterval(10);
  timer.SetEnabled(false);
  PumpFor(100ms);
  timer.SetThreaded(false);
  for (int i = 0; i < 100; ++i) {
    backend_.AdvanceTime(10);
    application_->ProcessMessages();
  }
  EXPECT_EQ(timer.delivered, 0);
  EXPECT_TRUE(times_.empty());
}

TEST_F(ThreadedTimer, AChangedIntervalAppliesFromTheNextSleep) {
  TThreadedTimer timer(nullptr);
  timer.SetInterval(400);
  timer.SetOnTimer(Recorder());
  const auto armed = Clock::now();
  std::this_thread::sleep_for(100ms);
  timer.SetInterval(30);  // the sleep under way is not restarted
  ASSERT_TRUE(PumpUntil([&] { return times_.size() >= 3; }));
  timer.SetEnabled(false);
  EXPECT_GE(times_[0] - armed, 380ms);
  EXPECT_LT(times_[1] - times_[0], 300ms);
  EXPECT_LT(times_[2] - times_[1], 300ms);
}

TEST_F(ThreadedTimer, AnIntervalSetInsideATickAppliesToTheFollowingSleep) {
  TThreadedTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObject*) {
    times_.push_back(Clock::now());
    timer.SetInterval(times_.size() == 1 ? 300 : 20);
  });
  ASSERT_TRUE(PumpUntil([&] { return times_.size() >= 2; }));
  timer.SetEnabled(false);
  EXPECT_GE(times_[1] - times_[0], 280ms);
}

TEST_F(ThreadedTimer, DisablingWhileASynchronisedTickWaitsDropsIt) {
  CountingTimer timer(nullptr);
  timer.SetInterval(5);
  const int before = handedOver_;
  timer.SetOnTimer(Recorder());
  WaitForHandOver(before);
  timer.SetEnabled(false);
  EXPECT_TRUE(synchronize_queue::CheckSynchronize());  // the waiting tick ran ...
  EXPECT_EQ(timer.delivered, 1);
  EXPECT_TRUE(times_.empty());  // ... and called nothing
  PumpFor(50ms);
  EXPECT_TRUE(times_.empty());

  timer.SetEnabled(true);  // resumes where it was suspended
  EXPECT_TRUE(PumpUntil([&] { return !times_.empty(); }));
}

TEST_F(ThreadedTimer, SwitchingThreadedHandsOverToTheWindowTimerAndBack) {
  TThreadedTimer timer(nullptr);
  timer.SetInterval(50);
  timer.SetOnTimer(Recorder());
  ASSERT_TRUE(PumpUntil([&] { return !times_.empty(); }));
  EXPECT_EQ(timer.TimerWindow(), nullptr);

  timer.SetThreaded(false);
  ASSERT_NE(timer.TimerWindow(), nullptr);
  synchronize_queue::CheckSynchronize();  // a tick the worker had already handed over
  std::this_thread::sleep_for(200ms);     // the worker is suspended: no real-time ticks
  times_.clear();
  synchronize_queue::CheckSynchronize();
  EXPECT_TRUE(times_.empty());
  for (int i = 0; i < 20; ++i) {  // the window timer ticks on the backend's clock
    backend_.AdvanceTime(10);
    application_->ProcessMessages();
  }
  EXPECT_EQ(times_.size(), 4u);

  timer.SetThreaded(true);
  EXPECT_EQ(timer.TimerWindow(), nullptr);
  times_.clear();
  backend_.AdvanceTime(1000);
  ASSERT_TRUE(PumpUntil([&] { return times_.size() >= 2; }));
}

TEST_F(ThreadedTimer, NoTickRunsAfterDestructionAlsoWithATickQueued) {
  struct Watch {
    bool destroyed = false;
    int lateTicks = 0;
  };
  const int cycles = qi_test::StressRounds("QI_STRESS_TIMER_CYCLES", 150);
  for (int cycle = 0; cycle < cycles; ++cycle) {
    auto watch = std::make_shared<Watch>();
    auto timer = std::make_unique<TThreadedTimer>(nullptr);
    timer->SetInterval(1 + cycle % 3);
    const int before = handedOver_;
    timer->SetOnTimer([watch](TObject*) {
      if (watch->destroyed) ++watch->lateTicks;
    });
    switch (cycle % 3) {
      case 0:  // while a tick waits for the UI thread
        WaitForHandOver(before);
        break;
      case 1:  // after some ticks, the worker asleep or about to hand one over
        PumpFor(std::chrono::milliseconds(cycle % 7));
        break;
      default:  // at once
        break;
    }
    timer.reset();
    watch->destroyed = true;
    synchronize_queue::CheckSynchronize();
    EXPECT_EQ(watch->lateTicks, 0) << "cycle " << cycle;
  }
  PumpFor(20ms);
}

TEST_F(ThreadedTimer, UnsynchronisedTicksRunOnTheWorker) {
  std::atomic<int> ticks{0};
  std::atomic<bool> onUiThread{false};
  const auto uiThread = std::this_thread::get_id();
  {
    TThreadedTimer timer(nullptr);
    timer.SetSyncEvent(false);
    timer.SetInterval(5);
    timer.SetOnTimer([&](TObject*) {
      if (std::this_thread::get_id() == uiThread) onUiThread = true;
      ++ticks;
    });
    const auto until = Clock::now() + 5s;
    while (ticks < 3 && Clock::now() < until)
      std::this_thread::sleep_for(1ms);  // no pumping needed
  }                                      // destroyed while the worker may be inside a tick
  EXPECT_GE(ticks.load(), 3);
  EXPECT_FALSE(onUiThread.load());
}

TEST_F(ThreadedTimer, ASettingChangedByAWorkerTickIsCarriedOutOnTheUiThread) {
  std::atomic<int> ticks{0};
  TThreadedTimer timer(nullptr);
  timer.SetSyncEvent(false);
  timer.SetInterval(5);
  timer.SetOnTimer([&](TObject* sender) {
    if (++ticks == 2) static_cast<TThreadedTimer*>(sender)->SetEnabled(false);
  });
  ASSERT_TRUE(PumpUntil([&] { return !timer.Enabled(); }));
  PumpFor(50ms);
  EXPECT_EQ(ticks.load(), 2);
}

TEST_F(ThreadedTimer, AWorkerTickFailureIsShownOnceAndDisablesTheTimerWhoseWorkerLivesOn) {
  struct Failure {
    const char* name;
    std::function<void()> raise;
    const char* shown;
  };
  const Failure failures[] = {
      {"an exception", [] { throw EInvalidGraphic("Frame is broken"); }, "Frame is broken."},
      {"anything else", [] { throw 42; }, "Unknown exception."},
  };
  for (const Failure& failure : failures) {
    for (bool sync : {true, false}) {
      SCOPED_TRACE(std::string(failure.name) + (sync ? ", synchronised" : ", on the worker"));
      const std::size_t before = backend_.MessageBoxes().size();
      std::atomic<int> ticks{0};
      TThreadedTimer timer(nullptr);
      timer.SetSyncEvent(sync);
      timer.SetInterval(5);
      timer.SetOnTimer([&](TObject*) {
        ++ticks;
        failure.raise();
      });
      ASSERT_TRUE(PumpUntil([&] { return backend_.MessageBoxes().size() > before; }));
      PumpFor(100ms);
      EXPECT_FALSE(timer.Enabled());
      EXPECT_EQ(ticks.load(), 1);
      ASSERT_EQ(backend_.MessageBoxes().size(), before + 1);
      EXPECT_EQ(backend_.MessageBoxes().back().text, failure.shown);
      EXPECT_EQ(backend_.MessageBoxes().back().caption, "Test Program");

      times_.clear();
      timer.SetSyncEvent(true);
      timer.SetOnTimer(Recorder());
      timer.SetEnabled(true);
      EXPECT_TRUE(PumpUntil([&] { return !times_.empty(); })) << "the worker is gone";
    }
  }
}

TEST_F(ThreadedTimer, AnAbortInATickIsSilentAndTheTimerGoesOn) {
  int ticks = 0;
  TThreadedTimer timer(nullptr);
  timer.SetInterval(5);
  timer.SetOnTimer([&](TObject*) {
    ++ticks;
    throw EAbort("");
  });
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_TRUE(timer.Enabled());
  EXPECT_TRUE(backend_.MessageBoxes().empty());
}

TEST_F(ThreadedTimer, WindowPathFailuresAreShownPerTickAndTheTimerGoesOn) {
  TThreadedTimer timer(nullptr);
  timer.SetThreaded(false);
  timer.SetInterval(100);
  timer.SetOnTimer([](TObject*) { throw EInvalidGraphic("Frame is broken"); });
  for (int i = 0; i < 30; ++i) {
    backend_.AdvanceTime(10);
    application_->ProcessMessages();
  }
  EXPECT_EQ(backend_.MessageBoxes().size(), 3u);
  EXPECT_TRUE(timer.Enabled());
}

TEST_F(ThreadedTimer, WithoutAWindowTimerTheSetterFailsAndKeepsTheWindow) {
  window_timers::SetCapacity(0);
  TThreadedTimer timer(nullptr);
  timer.SetOnTimer([](TObject*) {});
  try {
    timer.SetThreaded(false);
    FAIL() << "no timer was free";
  } catch (const EOutOfResources& error) {
    EXPECT_EQ(error.Message(), "Not enough timers available");
  }
  EXPECT_FALSE(timer.Threaded());
  EXPECT_NE(timer.TimerWindow(), nullptr);
}

TEST_F(ThreadedTimer, WhileTheApplicationEndsTheWorkerTicksNoMore) {
  TThreadedTimer timer(nullptr);
  timer.SetInterval(5);
  const int before = handedOver_;
  timer.SetOnTimer(Recorder());
  // A tick handed over just before the end, as a worker may do at any moment on a busy machine.
  WaitForHandOver(before);
  application_->Terminate();
  PumpFor(100ms);
  EXPECT_TRUE(times_.empty());
}

#ifdef __linux__
TEST_F(ThreadedTimer, ThePriorityIsStoredAndGivenToTheWorkerWhenItIsArmed) {
  // Lowering a priority is always allowed; raising it again may need privileges.
  const int ownNice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  if (ownNice > 5) GTEST_SKIP() << "the test runs at nice " << ownNice;
  std::atomic<int> niceSeen{-100};
  std::atomic<int> ticks{0};
  TThreadedTimer timer(nullptr);
  timer.SetSyncEvent(false);  // the tick runs on the worker and reads its scheduling
  timer.SetThreaded(false);
  timer.SetThreadPriority(tpLower);  // stored only: the worker is not in use
  EXPECT_EQ(timer.ThreadPriority(), tpLower);
  timer.SetInterval(5);
  timer.SetOnTimer([&](TObject*) {
    niceSeen = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    ++ticks;
  });
  struct Step {
    std::function<void()> change;
    int nice;
  };
  const Step steps[] = {
      {[&] { timer.SetThreaded(true); }, 5},
      {[&] { timer.SetThreadPriority(tpLowest); }, 10},
  };
  for (const Step& step : steps) {
    step.change();
    const int after = ticks + 1;  // a tick under way may still run at the earlier priority
    ASSERT_TRUE(PumpUntil([&] { return ticks > after; }));
    EXPECT_EQ(niceSeen.load(), step.nice);
  }
}
#endif

// With ticks on the worker, no tick may start once destruction has begun: not while a descendant
// releases what its ticks use, nor while an owner does.
TEST_F(ThreadedTimer, UnsynchronisedTicksStopAsSoonAsDestructionBegins) {
  struct Watch {
    std::atomic<bool> begun{false};
    std::atomic<int> ticks{0};
    std::atomic<int> late{0};
    void Count() {
      ++ticks;
      if (begun) ++late;
    }
    // As controls do: marks the component as being destroyed first, then takes its time.
    void Begin(TComponent& component) {
      component.Destroying();
      begun = true;
      std::this_thread::sleep_for(30ms);
    }
  };
  class WatchedTimer : public TThreadedTimer {
   public:
    WatchedTimer(TComponent* owner, std::shared_ptr<Watch> watch)
        : TThreadedTimer(owner), watch_(std::move(watch)) {}
    ~WatchedTimer() override { watch_->Begin(*this); }
    void Tick() override {
      watch_->Count();
      TThreadedTimer::Tick();
    }

   private:
    std::shared_ptr<Watch> watch_;
  };
  class WatchedOwner : public TComponent {
   public:
    explicit WatchedOwner(std::shared_ptr<Watch> watch)
        : TComponent(nullptr), watch_(std::move(watch)) {}
    ~WatchedOwner() override { watch_->Begin(*this); }

   private:
    std::shared_ptr<Watch> watch_;
  };
  for (bool byOwner : {false, true}) {
    SCOPED_TRACE(byOwner ? "its owner's destruction" : "its own destruction");
    auto watch = std::make_shared<Watch>();
    TComponent* destroyed;
    TThreadedTimer* timer;
    if (byOwner) {
      destroyed = new WatchedOwner(watch);
      timer = new TThreadedTimer(destroyed);
    } else {
      timer = new WatchedTimer(nullptr, watch);
      destroyed = timer;
    }
    timer->SetSyncEvent(false);
    timer->SetInterval(1);
    timer->SetOnTimer([watch](TObject*) { watch->Count(); });
    const auto until = Clock::now() + 5s;
    while (watch->ticks < 3 && Clock::now() < until)
      std::this_thread::sleep_for(1ms);
    ASSERT_GE(watch->ticks.load(), 3);
    delete destroyed;
    EXPECT_EQ(watch->late.load(), 0);
  }
}

TEST_F(ThreadedTimer, ATimerFreedByItsOwnUnsynchronisedTickEnds) {
  std::atomic<bool> freed{false};
  auto* timer = new TThreadedTimer(nullptr);
  timer->SetSyncEvent(false);
  timer->SetInterval(5);
  timer->SetOnTimer([&freed](TObject* sender) {
    delete sender;
    freed = true;
  });
  const auto until = Clock::now() + 5s;
  while (!freed && Clock::now() < until)
    std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(freed.load()) << "the timer's destruction waits for the tick that runs it";
}

// The application goes while timers it owns still run, sleep, or wait to hand a tick over: its
// destruction neither hangs nor lets a tick through.
using ThreadedTimerShutdown = ThreadedTimer;

TEST_F(ThreadedTimerShutdown, TheApplicationEndsWithTimersInEveryState) {
  auto late = std::make_shared<std::atomic<bool>>(false);
  auto gone = std::make_shared<std::atomic<bool>>(false);
  auto* queuedTimer = new TThreadedTimer(application_.get());
  auto* sleepingTimer = new TThreadedTimer(application_.get());
  new TThreadedTimer(application_.get());  // never armed
  sleepingTimer->SetInterval(60000);
  sleepingTimer->SetOnTimer([](TObject*) {});
  queuedTimer->SetInterval(5);
  const int before = handedOver_;
  queuedTimer->SetOnTimer([late, gone](TObject*) {
    if (gone->load()) *late = true;
  });
  WaitForHandOver(before);
  const auto start = Clock::now();
  application_.reset();
  *gone = true;
  EXPECT_LT(Clock::now() - start, 2s);
  std::this_thread::sleep_for(20ms);
  EXPECT_FALSE(late->load());
}

}  // namespace
