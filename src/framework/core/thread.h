#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "framework/core/object.h"
#include "framework/core/thread_priority.h"

// A worker thread running Execute, with a suspension count, a terminated flag, a priority and a
// synchronised call onto the main thread.
//
// Suspension. POSIX threads cannot be frozen from outside, so Suspend only counts: the worker
// stops at its next suspension point and waits there until the count is back at zero. The
// suspension points are exactly these, all on the worker itself:
//   - before Execute begins (a thread created suspended starts only on its last Resume);
//   - on entry to Sleep and after Sleep's wait is over;
//   - on entry to Synchronize and after the main thread has run the call;
//   - inside Suspend, when the worker suspends itself.
// Anything else the worker does (its own work between these calls) runs on until the next point.
// For a timer whose body is "Sleep, then Synchronize the tick" this keeps the timer's behaviour:
// a worker suspended in the middle of a sleep finishes that sleep (the time goes on while it is
// suspended) and then stops, and after its resumption it ticks at once, so a sleep already under
// way is not restarted; a worker suspended while its tick runs on the main thread stops when the
// call returns, before it reads anything for its next sleep. Suspend and Resume do not wait for
// the worker: data the main thread changes while a worker is suspended is only safe to change when
// the worker is known to be parked (or blocked in Synchronize), or when it is atomic.
//
// Lifetime. A thread with FreeOnTerminate deletes itself when Execute returns; nobody else may
// delete it then. Any other thread is deleted by its creator, best after WaitFor: the destructor
// terminates, resumes and joins a worker that still runs, but by then the members of derived
// classes are already gone. A thread never started (still suspended) is simply dropped; its
// Execute never runs. An exception escaping Execute ends the thread and is kept in
// FatalException instead of ending the program.
class TThread : public TObject {
 public:
  // A thread created suspended starts when Resume brings its suspension count to zero. C++ gives
  // a base class no hook after the most derived constructor, so a thread created not suspended
  // starts when its creator calls Start, once the object is complete.
  explicit TThread(bool createSuspended);
  ~TThread() override;
  const char* ClassName() const override { return "TThread"; }

  void Start();
  // Adds one to the suspension count. Called by the worker on itself, it stops there at once.
  void Suspend();
  // Takes one from the suspension count; at zero the worker goes on (or starts, if it has not yet).
  void Resume();
  bool Suspended() const;

  // Asks Execute to end: sets the flag it polls and cuts short a Sleep under way (the flag is
  // tested right after every sleep, so ending a sleep early only hastens the end). Does not
  // resume a suspended worker.
  void Terminate();
  bool Terminated() const { return terminated_.load(); }

  // The priority asked for; what the system grants is best effort (see ApplyThreadPriority).
  TThreadPriority Priority() const;
  void SetPriority(TThreadPriority value);

  bool FreeOnTerminate() const { return freeOnTerminate_.load(); }
  void SetFreeOnTerminate(bool value) { freeOnTerminate_.store(value); }

  // Blocks until Execute has returned. On the main thread it runs synchronised calls meanwhile,
  // so a worker synchronising just then does not deadlock. It does not resume a suspended worker.
  // EThread for a thread never started or one that frees itself (it may be gone before the wait
  // ends).
  void WaitFor();
  std::exception_ptr FatalException() const;

 protected:
  virtual void Execute() = 0;

  // Waits milliseconds (not cut short by Suspend), between two suspension points.
  void Sleep(unsigned milliseconds);
  // Runs method on the main thread and blocks until it has run; its exception is raised again
  // here. ESynchronizeCancelled when the main thread's call queue was shut down.
  void Synchronize(const std::function<void()>& method);

 private:
  // Where the worker is in its life. A thread that frees itself never reaches kFinished: it is
  // gone instead.
  enum class TStage { kNotStarted, kRunning, kFinished };

  void Run();
  void Finish(std::exception_ptr error);
  void SuspensionPoint();
  void WaitWhileSuspended(std::unique_lock<std::mutex>& lock);
  void LaunchIfDue();
  bool OnWorker() const { return std::this_thread::get_id() == workerId_; }  // mutex_ held
  bool Finished() const { return stage_.load() == TStage::kFinished; }

  mutable std::mutex mutex_;
  std::condition_variable changed_;  // suspension count, terminated or finished changed
  int suspendCount_;
  long tid_ = 0;  // the worker's kernel id once it runs, for priority changes
  TThreadPriority priority_ = tpNormal;
  std::exception_ptr fatalException_;
  std::atomic<bool> terminated_{false};
  std::atomic<TStage> stage_{TStage::kNotStarted};
  std::atomic<bool> freeOnTerminate_{false};
  std::thread::id workerId_;
  std::thread thread_;
};
