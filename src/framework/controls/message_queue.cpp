#include "framework/controls/message_queue.h"

#include <deque>
#include <mutex>
#include <unordered_set>

#include "framework/platform/window_backend.h"
#include "framework/platform/window_object.h"

namespace {

// Shared with posting threads, so everything here is guarded by one mutex.
struct TQueueState {
  std::mutex mutex;
  std::deque<TPostedMessage> posted;
  std::unordered_set<HWND> windows;
};

TQueueState& State() {
  static TQueueState state;
  return state;
}

}  // namespace

bool PostMessage(HWND window, unsigned msg, WPARAM wParam, LPARAM lParam) {
  TQueueState& state = State();
  {
    std::lock_guard lock(state.mutex);
    if (!state.windows.contains(window)) return false;
    state.posted.push_back({window, TMessage{msg, wParam, lParam, 0}});
  }
  if (HasWindowBackend()) WindowBackend().Wake();
  return true;
}

LRESULT SendMessage(HWND window, unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(window)) return 0;
  TMessage message{msg, wParam, lParam, 0};
  if (window->procedure) window->procedure(message);
  return message.Result;
}

bool IsWindow(HWND window) {
  TQueueState& state = State();
  std::lock_guard lock(state.mutex);
  return state.windows.contains(window);
}

namespace message_queue {

void AddWindow(HWND window) {
  TQueueState& state = State();
  std::lock_guard lock(state.mutex);
  state.windows.insert(window);
}

void RemoveWindow(HWND window) {
  TQueueState& state = State();
  std::lock_guard lock(state.mutex);
  state.windows.erase(window);
  std::erase_if(state.posted, [window](const TPostedMessage& m) { return m.window == window; });
}

std::optional<TPostedMessage> TakePosted() {
  TQueueState& state = State();
  std::lock_guard lock(state.mutex);
  if (state.posted.empty()) return std::nullopt;
  TPostedMessage first = state.posted.front();
  state.posted.pop_front();
  return first;
}

void Deliver(TPostedMessage& posted) {
  if (!IsWindow(posted.window) || !posted.window->procedure) return;
  posted.window->procedure(posted.message);
}

}  // namespace message_queue
