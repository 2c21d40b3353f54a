#include "framework/core/thread.h"

#include <chrono>
#include <system_error>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/synchronize_queue.h"

TThread::TThread(bool createSuspended) : suspendCount_(createSuspended ? 1 : 0) {
  // The thread that creates the first worker is the main thread, unless the program said which.
  synchronize_queue::InMainThread();
}

TThread::~TThread() {
  std::unique_lock lock(mutex_);
  if (!thread_.joinable()) return;  // never started, or freeing itself
  if (OnWorker()) {
    thread_.detach();  // deleted from inside Execute
    return;
  }
  terminated_.store(true);
  suspendCount_ = 0;
  changed_.notify_all();
  lock.unlock();
  if (synchronize_queue::InMainThread()) {
    synchronize_queue::WaitUntil([this] { return Finished(); });
  }
  thread_.join();
}

void TThread::Start() {
  std::lock_guard lock(mutex_);
  LaunchIfDue();
}

void TThread::Suspend() {
  std::unique_lock lock(mutex_);
  ++suspendCount_;
  if (OnWorker()) WaitWhileSuspended(lock);
}

void TThread::Resume() {
  std::lock_guard lock(mutex_);
  if (suspendCount_ > 0 && --suspendCount_ == 0) changed_.notify_all();
  LaunchIfDue();
}

bool TThread::Suspended() const {
  std::lock_guard lock(mutex_);
  return suspendCount_ > 0;
}

void TThread::Terminate() {
  std::lock_guard lock(mutex_);
  terminated_.store(true);
  changed_.notify_all();
}

TThreadPriority TThread::Priority() const {
  std::lock_guard lock(mutex_);
  return priority_;
}

void TThread::SetPriority(TThreadPriority value) {
  std::lock_guard lock(mutex_);
  if (priority_ == value) return;
  priority_ = value;
  // Once finished, the kernel may hand the id to another thread.
  if (tid_ != 0 && !Finished()) ApplyThreadPriority(tid_, value);
}

void TThread::WaitFor() {
  {
    std::lock_guard lock(mutex_);
    if (stage_.load() == TStage::kNotStarted) throw EThread(messages::kThreadNotStarted);
  }
  if (FreeOnTerminate()) throw EThread(messages::kThreadFreesItself);
  if (synchronize_queue::InMainThread()) {
    synchronize_queue::WaitUntil([this] { return Finished(); });
    return;
  }
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return Finished(); });
}

std::exception_ptr TThread::FatalException() const {
  std::lock_guard lock(mutex_);
  return fatalException_;
}

void TThread::Sleep(unsigned milliseconds) {
  std::unique_lock lock(mutex_);
  const bool onWorker = OnWorker();
  if (onWorker) WaitWhileSuspended(lock);
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  changed_.wait_until(lock, until, [this] { return terminated_.load(); });
  if (onWorker) WaitWhileSuspended(lock);
}

void TThread::Synchronize(const std::function<void()>& method) {
  bool onWorker;
  {
    std::lock_guard lock(mutex_);
    onWorker = OnWorker();
  }
  if (onWorker) SuspensionPoint();
  try {
    synchronize_queue::Synchronize(method);
  } catch (const ESynchronizeCancelled&) {
    throw;  // the call never ran: nothing to stop after
  } catch (...) {
    if (onWorker) SuspensionPoint();
    throw;
  }
  if (onWorker) SuspensionPoint();
}

void TThread::Run() {
  {
    std::unique_lock lock(mutex_);
    tid_ = CurrentThreadTid();
    if (priority_ != tpNormal) ApplyThreadPriority(tid_, priority_);
    WaitWhileSuspended(lock);
  }
  std::exception_ptr error;
  try {
    Execute();
  } catch (...) {
    error = std::current_exception();
  }
  Finish(error);
}

void TThread::Finish(std::exception_ptr error) {
  if (FreeOnTerminate()) {
    {
      std::lock_guard lock(mutex_);
      thread_.detach();
    }
    delete this;
    return;
  }
  {
    std::lock_guard lock(mutex_);
    fatalException_ = std::move(error);
    stage_.store(TStage::kFinished);
    changed_.notify_all();
  }
  // From here on the creator may delete this object; only the queue is touched.
  synchronize_queue::WakeWaiters();
}

void TThread::SuspensionPoint() {
  std::unique_lock lock(mutex_);
  WaitWhileSuspended(lock);
}

void TThread::WaitWhileSuspended(std::unique_lock<std::mutex>& lock) {
  changed_.wait(lock, [this] { return suspendCount_ == 0; });
}

void TThread::LaunchIfDue() {
  if (stage_.load() != TStage::kNotStarted || suspendCount_ > 0) return;
  // The worker's first step takes mutex_, which the caller holds: it sees thread_ and workerId_.
  try {
    thread_ = std::thread(&TThread::Run, this);
  } catch (const std::system_error&) {
    throw EOutOfResources(messages::kOutOfResources);  // a later Resume or Start tries again
  }
  stage_.store(TStage::kRunning);
  workerId_ = thread_.get_id();
}
