#include "framework/core/thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/synchronize_queue.h"

#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#endif

// Test suites here start with "Thread": scripts/test-sanitizers.sh runs them under ThreadSanitizer.

namespace {

using namespace std::chrono_literals;

// A thread whose body is a function of the test, with the worker's protected calls opened up.
class BodyThread : public TThread {
 public:
  using Body = std::function<void(BodyThread&)>;
  BodyThread(bool createSuspended, Body body) : TThread(createSuspended), body_(std::move(body)) {}
  using TThread::Sleep;
  using TThread::Synchronize;

 protected:
  void Execute() override { body_(*this); }

 private:
  Body body_;
};

// Tells the test when it is gone, so that FreeOnTerminate can be watched.
class SelfFreeingThread : public BodyThread {
 public:
  SelfFreeingThread(Body body, std::promise<void>* gone)
      : BodyThread(true, std::move(body)), gone_(gone) {}
  ~SelfFreeingThread() override { gone_->set_value(); }

 private:
  std::promise<void>* gone_;
};

// Runs synchronised calls on this (main) thread for a while; returns how many ran.
int PumpFor(std::chrono::milliseconds duration) {
  int ran = 0;
  const auto until = std::chrono::steady_clock::now() + duration;
  while (std::chrono::steady_clock::now() < until) {
    if (synchronize_queue::CheckSynchronize()) ++ran;
    std::this_thread::sleep_for(1ms);
  }
  return ran;
}

class ThreadTest : public testing::Test {
 protected:
  void SetUp() override { synchronize_queue::SetMainThread(); }
  void TearDown() override { synchronize_queue::SetWakeUp({}); }
};

class ThreadSynchronize : public ThreadTest {};
class Thread : public ThreadTest {};

}  // namespace

TEST_F(ThreadSynchronize, CallsFromSeveralWorkersRunOneByOneOnTheMainThread) {
  constexpr int kWorkers = 4;
  constexpr int kCalls = 50;
  int total = 0;  // deliberately plain: only the main thread may touch it
  std::vector<std::vector<int>> seen(kWorkers);
  std::atomic<int> offMainThread{0};
  std::vector<std::unique_ptr<BodyThread>> workers;
  for (int w = 0; w < kWorkers; ++w) {
    workers.push_back(std::make_unique<BodyThread>(true, [&, w](BodyThread& self) {
      for (int i = 0; i < kCalls; ++i) {
        self.Synchronize([&, w, i] {
          if (!synchronize_queue::InMainThread()) ++offMainThread;
          ++total;
          seen[static_cast<std::size_t>(w)].push_back(i);
        });
      }
    }));
  }
  for (auto& worker : workers)
    worker->Resume();
  for (auto& worker : workers)
    worker->WaitFor();

  EXPECT_EQ(total, kWorkers * kCalls);
  EXPECT_EQ(offMainThread.load(), 0);
  for (const auto& calls : seen) {
    ASSERT_EQ(calls.size(), static_cast<std::size_t>(kCalls));
    for (int i = 0; i < kCalls; ++i)
      EXPECT_EQ(calls[static_cast<std::size_t>(i)], i);
  }
}

TEST_F(ThreadSynchronize, ExceptionOfTheCallIsRaisedAgainOnTheWorker) {
  std::string caught;
  BodyThread worker(true, [&](BodyThread& self) {
    try {
      self.Synchronize([] { throw EConvertError("bad value"); });
    } catch (const EConvertError& error) {
      caught = error.Message();
    }
  });
  worker.Resume();
  worker.WaitFor();
  EXPECT_EQ(caught, "bad value");
  EXPECT_EQ(worker.FatalException(), nullptr);
}

TEST_F(ThreadSynchronize, OnTheMainThreadTheCallRunsAtOnce) {
  bool ran = false;
  synchronize_queue::Synchronize([&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_THROW(synchronize_queue::Synchronize([] { throw EAbort(""); }), EAbort);
}

TEST_F(ThreadSynchronize, WakeUpAnnouncesEachCallAndShutdownReleasesWaitingWorkers) {
  std::promise<void> queued;
  std::atomic<int> wakeUps{0};
  synchronize_queue::SetWakeUp([&] {
    if (++wakeUps == 1) queued.set_value();
  });
  std::atomic<int> cancelled{0};
  bool ran = false;
  BodyThread worker(true, [&](BodyThread& self) {
    for (int i = 0; i < 2; ++i) {
      try {
        self.Synchronize([&] { ran = true; });
      } catch (const ESynchronizeCancelled&) {
        ++cancelled;
      }
    }
  });
  worker.Resume();
  queued.get_future().wait();
  synchronize_queue::Shutdown();  // the main thread never pumped
  worker.WaitFor();
  EXPECT_FALSE(ran);
  EXPECT_EQ(cancelled.load(), 2);  // the waiting call and the one after the shutdown
  EXPECT_EQ(wakeUps.load(), 1);
}

TEST_F(Thread, CreatedSuspendedStartsOnlyWhenTheCountReachesZero) {
  std::atomic<bool> started{false};
  BodyThread worker(true, [&](BodyThread&) { started = true; });
  EXPECT_TRUE(worker.Suspended());
  EXPECT_THROW(worker.WaitFor(), EThread);
  worker.Suspend();
  worker.Resume();
  EXPECT_TRUE(worker.Suspended());
  std::this_thread::sleep_for(20ms);
  EXPECT_FALSE(started.load());
  worker.Resume();
  EXPECT_FALSE(worker.Suspended());
  worker.WaitFor();
  EXPECT_TRUE(started.load());
  worker.Resume();  // at zero: nothing happens
  EXPECT_FALSE(worker.Suspended());
}

TEST_F(Thread, NotCreatedSuspendedStartsOnStart) {
  std::atomic<bool> started{false};
  BodyThread worker(false, [&](BodyThread&) { started = true; });
  EXPECT_FALSE(worker.Suspended());
  worker.Start();
  worker.WaitFor();
  EXPECT_TRUE(started.load());
}

TEST_F(Thread, SuspendedFromItsOwnSynchronizedCallTheWorkerStopsAfterTheCall) {
  // The worker ticks through the main thread; a tick suspends it twice, as a timer's settings
  // change from inside its own tick would. No tick may come while any suspension is left, however
  // long the main thread keeps pumping.
  int ticks = 0;
  BodyThread* self = nullptr;
  BodyThread worker(true, [&](BodyThread& thread) {
    while (!thread.Terminated()) {
      thread.Synchronize([&] {
        if (++ticks == 3) {
          self->Suspend();
          self->Suspend();
        }
      });
    }
  });
  self = &worker;
  worker.Resume();
  synchronize_queue::WaitUntil([&] { return ticks == 3; });
  EXPECT_EQ(PumpFor(50ms), 0);
  worker.Resume();
  EXPECT_EQ(PumpFor(50ms), 0);
  EXPECT_TRUE(worker.Suspended());
  worker.Resume();
  synchronize_queue::WaitUntil([&] { return ticks >= 5; });
  worker.Terminate();
  worker.WaitFor();
}

TEST_F(Thread, ASleepUnderWayEndsBeforeTheWorkerStopsAndTicksAfterResumption) {
  std::atomic<bool> sleeping{false};
  int ticks = 0;
  BodyThread worker(true, [&](BodyThread& self) {
    sleeping = true;
    self.Sleep(30);
    self.Synchronize([&] { ++ticks; });
  });
  worker.Resume();
  while (!sleeping)
    std::this_thread::yield();
  worker.Suspend();
  EXPECT_EQ(PumpFor(80ms), 0);  // the sleep is over by now, but the worker is held after it
  worker.Resume();
  worker.WaitFor();
  EXPECT_EQ(ticks, 1);
}

TEST_F(Thread, TerminateCutsTheSleepShortAndFreeOnTerminateDeletesTheThread) {
  std::promise<void> gone;
  auto* worker = new SelfFreeingThread(
      [](BodyThread& self) {
        while (!self.Terminated())
          self.Sleep(60'000);
      },
      &gone);
  worker->SetFreeOnTerminate(true);
  worker->Resume();
  EXPECT_THROW(worker->WaitFor(), EThread);
  worker->Terminate();
  EXPECT_EQ(gone.get_future().wait_for(10s), std::future_status::ready);
}

TEST_F(Thread, ExceptionEscapingExecuteIsKeptNotFatal) {
  BodyThread worker(true, [](BodyThread&) { throw EListError("broken"); });
  worker.Resume();
  worker.WaitFor();
  ASSERT_NE(worker.FatalException(), nullptr);
  EXPECT_THROW(std::rethrow_exception(worker.FatalException()), EListError);
}

TEST_F(Thread, DestroyingANeverStartedThreadNeverRunsItsBody) {
  bool ran = false;
  {
    BodyThread worker(true, [&](BodyThread&) { ran = true; });
  }
  EXPECT_FALSE(ran);
}

#ifdef __linux__
TEST_F(Thread, PriorityIsAppliedAtStartAndWhenChangedWhileRunning) {
  std::promise<int> policyAtStart;
  std::atomic<bool> changed{false};
  std::promise<int> niceAfterChange;
  BodyThread worker(true, [&](BodyThread& self) {
    policyAtStart.set_value(sched_getscheduler(0));
    while (!changed)
      self.Sleep(1);
    niceAfterChange.set_value(getpriority(PRIO_PROCESS, static_cast<id_t>(CurrentThreadTid())));
  });
  worker.SetPriority(tpIdle);
  EXPECT_EQ(worker.Priority(), tpIdle);
  worker.Resume();
  EXPECT_EQ(policyAtStart.get_future().get(), SCHED_IDLE);
  // Leaving SCHED_IDLE may be refused without privileges, but a higher nice value never is
  // (unless this process already runs above it).
  worker.SetPriority(tpLowest);
  changed = true;
  const int nice = niceAfterChange.get_future().get();
  worker.WaitFor();
  EXPECT_EQ(worker.Priority(), tpLowest);
  if (getpriority(PRIO_PROCESS, 0) <= 10) {
    EXPECT_EQ(nice, 10);
  }
}
#endif
