#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>

#include "framework/backends/sdl/sdl_cursor_animation.h"
#include "framework/platform/native_window.h"

// A top-level SDL window showing our pixels through its window surface.
class TSdlWindow : public TNativeWindow {
 public:
  // Raises Exception with SDL's error when the window cannot be made.
  explicit TSdlWindow(const TWindowParams& params);
  ~TSdlWindow() override;

  void SetCaption(const std::string& caption) override;
  void SetIcon(const TArgbImage& icon) override;
  void SetClientSize(int width, int height) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void Present(const TPixelView& view) override;
  void SetCursor(HCURSOR cursor) override;
  bool BringToFront() override;

  // The window of an SDL window id, or none.
  static TSdlWindow* FromId(Uint32 id);
  SDL_Window* Native() const { return window_; }
  Uint32 Id() const { return SDL_GetWindowID(window_); }
  // Shows this window's cursor (SDL has one cursor for all windows).
  void ApplyCursor();
  // While the mouse is over the window: shows the step of its animated cursor that is due, and
  // answers the milliseconds until the next one (none when nothing steps).
  std::optional<std::uint64_t> StepCursor();

 private:
  static constexpr const char* kWindowDataName = "qi.window";

  SDL_Window* window_ = nullptr;
  HCURSOR cursor_ = nullptr;
  TSdlCursorAnimation cursorAnimation_;
  bool raiseWhenShown_ = false;
};
