#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "framework/core/thread.h"
#include "headless_fixture.h"

namespace {

// Hands a few calls to the UI thread, then asks the application to end, as a timer worker does.
class Worker : public TThread {
 public:
  explicit Worker(TApplication& application) : TThread(true), application_(application) {}

  std::vector<std::thread::id> ranOn;
  int blockedUntilRun = 0;

 protected:
  void Execute() override {
    for (int i = 0; i < 3; ++i) {
      bool ran = false;
      Synchronize([&] {
        ranOn.push_back(std::this_thread::get_id());
        ran = true;
      });
      if (ran) ++blockedUntilRun;  // Synchronize returned only after the call had run
      Sleep(5);
    }
    Synchronize([this] { application_.Terminate(); });
  }

 private:
  TApplication& application_;
};

// Named for the ThreadSanitizer run, which takes the suites whose names start with "Thread".
using ThreadSynchronizeWithTheLoop = HeadlessTest;

TEST_F(ThreadSynchronizeWithTheLoop, CallsFromAWorkerRunOnTheUiThreadWhileTheLoopRuns) {
  NewForm();
  Worker worker(*application_);
  worker.Resume();
  application_->Run();  // waits without a timeout: only the worker's wake-ups end the waits
  worker.WaitFor();
  ASSERT_EQ(worker.ranOn.size(), 3u);
  for (auto id : worker.ranOn)
    EXPECT_EQ(id, std::this_thread::get_id());
  EXPECT_EQ(worker.blockedUntilRun, 3);
  EXPECT_EQ(worker.FatalException(), nullptr);
}

}  // namespace
