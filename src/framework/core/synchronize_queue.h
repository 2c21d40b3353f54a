#pragma once

#include <functional>

// Calls that worker threads hand to the main (UI) thread. A worker queues a call and blocks until
// the main thread has run it; the main thread's message loop runs queued calls with
// CheckSynchronize whenever the wake-up hook tells it that one is waiting.
//
// Shutdown rule: once Shutdown has run, nothing waits for the main thread any more. Calls still
// queued are dropped and their workers get ESynchronizeCancelled, and so does every later call,
// so a worker can never stay blocked on a main thread that has stopped pumping.
namespace synchronize_queue {

// Makes the calling thread the main thread and opens the queue (again, after a Shutdown). Until
// this is called, the main thread is the first thread that used the queue or created a TThread.
void SetMainThread();
bool InMainThread();

// Installed by the message loop: called whenever a call is queued, so that a loop sleeping on its
// own event source returns and runs CheckSynchronize. It runs with the queue locked, on the
// queuing thread: it may only wake the loop (post an event), never use the queue itself. Once
// SetWakeUp has returned, the hook it replaced is neither running nor called again.
void SetWakeUp(std::function<void()> wakeUp);

// Runs call on the main thread and returns once it has run; an exception it raised is raised
// again here. Called on the main thread itself, it runs the call at once. ESynchronizeCancelled
// when the queue is shut down, before or while the call waits.
void Synchronize(const std::function<void()>& call);

// Main thread: runs the calls queued so far, oldest first. True when any ran.
bool CheckSynchronize();

// Main thread, at the end of the program (or of a test): cancels queued and future calls.
void Shutdown();

// Main thread: returns once done() holds, running queued calls while it waits, so that a worker
// that synchronises while the main thread waits for it cannot deadlock. done is checked again
// after each call and after each WakeWaiters; whoever makes it true must call WakeWaiters.
void WaitUntil(const std::function<bool()>& done);
void WakeWaiters();

}  // namespace synchronize_queue
