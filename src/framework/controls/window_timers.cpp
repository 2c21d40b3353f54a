#include "framework/controls/window_timers.h"

#include <algorithm>
#include <vector>

#include "framework/controls/message_queue.h"
#include "framework/platform/window_backend.h"
#include "framework/platform/window_message.h"

namespace {

struct TWindowTimer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  unsigned interval = 0;
  std::uint64_t due = 0;
};

// UI thread only, like the windows they belong to.
struct TTimerTable {
  std::vector<TWindowTimer> timers;
  std::size_t capacity = window_timers::kDefaultCapacity;

  TWindowTimer* Find(HWND window, UINT_PTR id) {
    const auto found = std::find_if(timers.begin(), timers.end(), [&](const TWindowTimer& t) {
      return t.window == window && t.id == id;
    });
    return found == timers.end() ? nullptr : &*found;
  }
};

TTimerTable& Table() {
  static TTimerTable table;
  return table;
}

}  // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR id, unsigned intervalMs) {
  if (id == 0 || !IsWindow(window)) return 0;
  TTimerTable& table = Table();
  const unsigned interval = std::max(intervalMs, USER_TIMER_MINIMUM);
  const std::uint64_t due = WindowBackend().NowMs() + interval;
  if (TWindowTimer* existing = table.Find(window, id)) {
    existing->interval = interval;
    existing->due = due;
    return id;
  }
  if (table.timers.size() >= table.capacity) return 0;
  table.timers.push_back({window, id, interval, due});
  return id;
}

bool KillTimer(HWND window, UINT_PTR id) {
  TTimerTable& table = Table();
  return std::erase_if(table.timers,
                       [&](const TWindowTimer& t) { return t.window == window && t.id == id; }) > 0;
}

namespace window_timers {

void SetCapacity(std::size_t capacity) {
  Table().capacity = capacity;
}

std::size_t Count() {
  return Table().timers.size();
}

std::optional<std::uint64_t> NextDue() {
  const auto& timers = Table().timers;
  if (timers.empty()) return std::nullopt;
  return std::min_element(
             timers.begin(), timers.end(),
             [](const TWindowTimer& a, const TWindowTimer& b) { return a.due < b.due; })
      ->due;
}

bool DeliverDue(std::uint64_t now) {
  std::vector<TWindowTimer> due;
  for (const TWindowTimer& timer : Table().timers) {
    if (timer.due <= now) due.push_back(timer);
  }
  std::stable_sort(due.begin(), due.end(),
                   [](const TWindowTimer& a, const TWindowTimer& b) { return a.due < b.due; });
  for (const TWindowTimer& timer : due) {
    // A handler that ran before may have killed or restarted this timer.
    TWindowTimer* live = Table().Find(timer.window, timer.id);
    if (live == nullptr || live->due > now) continue;
    live->due = now + live->interval;
    SendMessage(timer.window, WM_TIMER, timer.id, 0);
  }
  return !due.empty();
}

void KillAll(HWND window) {
  std::erase_if(Table().timers, [window](const TWindowTimer& t) { return t.window == window; });
}

}  // namespace window_timers
