#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/platform/handles.h"

// Which picture of a window's animated cursor shows when. SDL's cursors are still pictures, so the
// window swaps them as the steps fall due, timed from when the cursor was first shown. SDL cursors
// for the steps are made when an animated cursor is shown and freed when another one is; the
// cursor object itself is read only then, so that one freed while shown is never touched.
class TSdlCursorAnimation {
 public:
  TSdlCursorAnimation() = default;
  ~TSdlCursorAnimation();
  TSdlCursorAnimation(const TSdlCursorAnimation&) = delete;
  TSdlCursorAnimation& operator=(const TSdlCursorAnimation&) = delete;

  // The window shows cursor from nowMs on; the cursor it shows already keeps its timing.
  void Show(HCURSOR cursor, std::uint64_t nowMs);
  // The SDL cursor of the step due at nowMs; null when the cursor shown is not animated, or SDL
  // cannot make colour cursors.
  SDL_Cursor* Current(std::uint64_t nowMs) const;
  // Milliseconds from nowMs until the next step falls due; none when nothing steps.
  std::optional<std::uint64_t> NextStepIn(std::uint64_t nowMs) const;

 private:
  // The step shown at nowMs and the milliseconds it has left.
  std::pair<std::size_t, std::uint64_t> StepAt(std::uint64_t nowMs) const;
  void Free();

  HCURSOR cursor_ = nullptr;
  std::uint64_t shownAtMs_ = 0;
  std::vector<SDL_Cursor*> natives_;
  std::vector<std::uint64_t> durationsMs_;
  std::uint64_t cycleMs_ = 0;
};
