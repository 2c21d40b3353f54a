#include "framework/controls/window_timers.h"

#include <algorithm>
#include <vector>

#include "framework/controls/message_queue.h"
#include "framework/platform/window_backend.h"
#include "framework/platform/window_message.h"

namespace {

// A timer is timed either here, on the backend's clock (due), or by the platform (key).
struct TWindowTimer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  unsigned interval = 0;
  std::uint64_t due = 0;
  std::uintptr_t key = 0;  // the platform's timer, when it runs one

  bool TimedHere() const { return key == 0; }
};

// UI thread only, like the windows they belong to.
struct TTimerTable {
  std::vector<TWindowTimer> timers;
  std::size_t capacity = window_timers::kDefaultCapacity;
  std::uintptr_t lastKey = 0;

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

TPlatformTimers* PlatformTimers() {
  return WindowBackend().PlatformTimers();
}

// Stops the platform's timers of those that are about to go.
template <typename Predicate>
std::size_t RemoveTimers(Predicate goes) {
  auto& timers = Table().timers;
  for (const TWindowTimer& timer : timers) {
    if (!timer.TimedHere() && goes(timer)) PlatformTimers()->StopTimer(timer.key);
  }
  return std::erase_if(timers, goes);
}

// Arms a timer: on the platform when it runs timers, else by its due time here.
bool Arm(TWindowTimer& timer) {
  if (TPlatformTimers* platform = PlatformTimers()) {
    if (timer.key == 0) timer.key = ++Table().lastKey;
    return platform->StartTimer(timer.key, timer.interval);
  }
  timer.due = WindowBackend().NowMs() + timer.interval;
  return true;
}

}  // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR id, unsigned intervalMs) {
  if (id == 0 || !IsWindow(window)) return 0;
  TTimerTable& table = Table();
  const unsigned interval = std::max(intervalMs, USER_TIMER_MINIMUM);
  if (TWindowTimer* existing = table.Find(window, id)) {
    existing->interval = interval;
    return Arm(*existing) ? id : 0;
  }
  if (table.timers.size() >= table.capacity) return 0;
  TWindowTimer timer{window, id, interval};
  if (!Arm(timer)) return 0;
  table.timers.push_back(timer);
  return id;
}

bool KillTimer(HWND window, UINT_PTR id) {
  return RemoveTimers([&](const TWindowTimer& t) { return t.window == window && t.id == id; }) > 0;
}

namespace window_timers {

void SetCapacity(std::size_t capacity) {
  Table().capacity = capacity;
}

std::size_t Count() {
  return Table().timers.size();
}

std::optional<std::uint64_t> NextDue() {
  std::optional<std::uint64_t> next;
  for (const TWindowTimer& timer : Table().timers) {
    if (timer.TimedHere() && (!next || timer.due < *next)) next = timer.due;
  }
  return next;
}

bool DeliverDue(std::uint64_t now) {
  std::vector<TWindowTimer> due;
  for (const TWindowTimer& timer : Table().timers) {
    if (timer.TimedHere() && timer.due <= now) due.push_back(timer);
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

void DeliverPlatformTimer(std::uintptr_t key) {
  const auto& timers = Table().timers;
  const auto found = std::find_if(timers.begin(), timers.end(),
                                  [key](const TWindowTimer& t) { return t.key == key; });
  // An expiry that was on its way when its timer was killed finds no timer.
  if (found != timers.end()) SendMessage(found->window, WM_TIMER, found->id, 0);
}

void KillAll(HWND window) {
  RemoveTimers([window](const TWindowTimer& t) { return t.window == window; });
}

}  // namespace window_timers
