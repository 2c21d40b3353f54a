#include "framework/backends/sdl/sdl_cursor_animation.h"

#include <algorithm>

#include "framework/backends/sdl/sdl_surface.h"
#include "framework/platform/cursor.h"

namespace {

// A step of no time would spin the loop; the platform shows each for one jiffy at least.
constexpr std::uint64_t kShortestStepMs = 16;

}  // namespace

TSdlCursorAnimation::~TSdlCursorAnimation() {
  Free();
}

void TSdlCursorAnimation::Free() {
  for (SDL_Cursor* native : natives_) {
    if (native != nullptr) SDL_FreeCursor(native);
  }
  natives_.clear();
  durationsMs_.clear();
  cycleMs_ = 0;
}

void TSdlCursorAnimation::Show(HCURSOR cursor, std::uint64_t nowMs) {
  if (cursor == cursor_) return;
  Free();
  cursor_ = cursor;
  shownAtMs_ = nowMs;
  if (cursor == nullptr || cursor->steps.size() < 2) return;
  for (const TCursorStep& step : cursor->steps) {
    TSdlSurface surface = SurfaceOf(step.image.image);
    natives_.push_back(
        surface != nullptr
            ? SDL_CreateColorCursor(surface.get(), step.image.hotSpotX, step.image.hotSpotY)
            : nullptr);
    durationsMs_.push_back(std::max<std::uint64_t>(step.durationMs, kShortestStepMs));
    cycleMs_ += durationsMs_.back();
  }
}

std::pair<std::size_t, std::uint64_t> TSdlCursorAnimation::StepAt(std::uint64_t nowMs) const {
  std::uint64_t into = (nowMs - shownAtMs_) % cycleMs_;
  std::size_t step = 0;
  while (into >= durationsMs_[step]) {
    into -= durationsMs_[step];
    ++step;
  }
  return {step, durationsMs_[step] - into};
}

SDL_Cursor* TSdlCursorAnimation::Current(std::uint64_t nowMs) const {
  if (natives_.empty()) return nullptr;
  return natives_[StepAt(nowMs).first];
}

std::optional<std::uint64_t> TSdlCursorAnimation::NextStepIn(std::uint64_t nowMs) const {
  if (natives_.empty()) return std::nullopt;
  return StepAt(nowMs).second;
}
