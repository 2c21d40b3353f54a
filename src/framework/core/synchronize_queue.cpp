#include "framework/core/synchronize_queue.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"

namespace {

// One queued call. It lives on the stack of the worker that waits for it; the worker leaves only
// once the state is no longer kQueued, so the queue never holds a dangling request.
struct Request {
  enum class State { kQueued, kDone, kCancelled };
  const std::function<void()>* call;
  std::exception_ptr error;
  State state = State::kQueued;
};

struct Queue {
  std::mutex mutex;
  // Signalled when a request is finished or cancelled, when one is queued, and by WakeWaiters.
  std::condition_variable changed;
  std::deque<Request*> queued;
  std::function<void()> wakeUp;
  std::thread::id mainThread = std::this_thread::get_id();
  bool open = true;
};

Queue& TheQueue() {
  static Queue queue;
  return queue;
}

void Finish(Queue& queue, Request& request, Request::State state) {
  std::lock_guard lock(queue.mutex);
  request.state = state;
  queue.changed.notify_all();
}

// Takes the oldest queued request, or nullptr when none is left.
Request* TakeNext(Queue& queue) {
  std::lock_guard lock(queue.mutex);
  if (queue.queued.empty()) return nullptr;
  Request* request = queue.queued.front();
  queue.queued.pop_front();
  return request;
}

void Run(Queue& queue, Request& request) {
  try {
    (*request.call)();
  } catch (...) {
    request.error = std::current_exception();
  }
  Finish(queue, request, Request::State::kDone);
}

}  // namespace

namespace synchronize_queue {

void SetMainThread() {
  Queue& queue = TheQueue();
  std::lock_guard lock(queue.mutex);
  queue.mainThread = std::this_thread::get_id();
  queue.open = true;
}

bool InMainThread() {
  Queue& queue = TheQueue();
  std::lock_guard lock(queue.mutex);
  return queue.mainThread == std::this_thread::get_id();
}

void SetWakeUp(std::function<void()> wakeUp) {
  Queue& queue = TheQueue();
  std::lock_guard lock(queue.mutex);
  queue.wakeUp = std::move(wakeUp);
}

void Synchronize(const std::function<void()>& call) {
  if (InMainThread()) {
    call();
    return;
  }
  Queue& queue = TheQueue();
  Request request{&call, nullptr};
  {
    std::unique_lock lock(queue.mutex);
    if (!queue.open) throw ESynchronizeCancelled(messages::kSynchronizeCancelled);
    queue.queued.push_back(&request);
    queue.changed.notify_all();
    if (queue.wakeUp) queue.wakeUp();
    queue.changed.wait(lock, [&] { return request.state != Request::State::kQueued; });
  }
  if (request.state == Request::State::kCancelled)
    throw ESynchronizeCancelled(messages::kSynchronizeCancelled);
  if (request.error) std::rethrow_exception(request.error);
}

bool CheckSynchronize() {
  Queue& queue = TheQueue();
  std::size_t waiting;
  {
    std::lock_guard lock(queue.mutex);
    waiting = queue.queued.size();
  }
  // Only the calls queued so far: a worker whose call ran may queue its next one at once, and the
  // loop must get back to its other messages in between.
  bool ran = false;
  for (; waiting > 0; --waiting) {
    Request* request = TakeNext(queue);
    if (request == nullptr) break;
    Run(queue, *request);
    ran = true;
  }
  return ran;
}

void Shutdown() {
  Queue& queue = TheQueue();
  std::lock_guard lock(queue.mutex);
  queue.open = false;
  for (Request* request : queue.queued)
    request->state = Request::State::kCancelled;
  queue.queued.clear();
  queue.changed.notify_all();
}

void WaitUntil(const std::function<bool()>& done) {
  Queue& queue = TheQueue();
  for (;;) {
    CheckSynchronize();
    std::unique_lock lock(queue.mutex);
    if (done()) return;
    if (queue.queued.empty()) queue.changed.wait(lock);
  }
}

void WakeWaiters() {
  Queue& queue = TheQueue();
  std::lock_guard lock(queue.mutex);
  queue.changed.notify_all();
}

}  // namespace synchronize_queue
