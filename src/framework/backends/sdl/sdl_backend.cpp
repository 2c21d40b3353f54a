#include "framework/backends/sdl/sdl_backend.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include <SDL.h>

#include "framework/backends/sdl/sdl_cursor.h"
#include "framework/backends/sdl/sdl_events.h"
#include "framework/backends/sdl/sdl_message_box.h"
#include "framework/backends/sdl/sdl_window.h"
#include "framework/backends/sdl/x11_pixels_per_inch.h"
#include "framework/core/exceptions.h"

namespace {

// The framework's standard, and what desktops mean when they say nothing.
constexpr int kStandardPixelsPerInch = 96;

// On X11 the desktop's own setting. SDL's display DPI is not used: it is the monitor's physical
// density (and Xvfb's default 100), which says nothing about how large the user wants things.
int DisplayPixelsPerInch() {
  if (std::string_view(SDL_GetCurrentVideoDriver()) != "x11") return kStandardPixelsPerInch;
  return XftPixelsPerInch().value_or(kStandardPixelsPerInch);
}

}  // namespace

TSdlBackend::TSdlBackend() {
  // Closing our last window is the program's business (its close event), not a quit request.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // We present one software buffer: without this, SDL on X11 makes a hidden OpenGL window and
  // context only to decide how to present it, which costs start-up time and loads the whole of
  // Mesa. Normal priority: SDL_FRAMEBUFFER_ACCELERATION in the environment still decides.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    throw Exception(std::string("Cannot start the display: ") + SDL_GetError());
  }
  wakeEvent_ = SDL_RegisterEvents(1);
  pixelsPerInch_ = DisplayPixelsPerInch();
}

TSdlBackend::~TSdlBackend() {
  systemCursors_.clear();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::unique_ptr<TNativeWindow> TSdlBackend::CreateWindow(const TWindowParams& params) {
  return std::make_unique<TSdlWindow>(params);
}

HCURSOR TSdlBackend::CreateCursor(const TCursorImage& image) {
  return new TSdlCursor(image);
}

HCURSOR TSdlBackend::CreateAnimatedCursor(const std::vector<TCursorStep>& steps) {
  return new TSdlCursor(steps);
}

HCURSOR TSdlBackend::SystemCursor(TSystemCursor kind) {
  auto& cursor = systemCursors_[kind];
  if (cursor == nullptr) cursor = std::make_unique<TSdlCursor>(kind);
  return cursor.get();
}

int TSdlBackend::ShowMessageBox(const TMessageBoxRequest& request) {
  const auto* owner = dynamic_cast<const TSdlWindow*>(request.owner);
  return ShowSdlMessageBox(request, owner != nullptr ? owner->Native() : nullptr);
}

std::optional<TInputEvent> TSdlBackend::WaitEvent(std::optional<std::uint64_t> timeoutMs) {
  if (timeoutMs == 0u) {
    StepMouseCursor();
    return Poll();
  }
  if (std::exchange(wakePending_, false)) return std::nullopt;
  const Uint64 start = SDL_GetTicks64();
  for (;;) {
    // An animated cursor steps while the loop waits: the wait ends when its next step is due.
    std::optional<std::uint64_t> waitLimit = StepMouseCursor();
    if (timeoutMs) {
      const Uint64 elapsed = SDL_GetTicks64() - start;
      if (elapsed >= *timeoutMs) return Poll();
      waitLimit = std::min(waitLimit.value_or(*timeoutMs - elapsed), *timeoutMs - elapsed);
    }
    const int waitMs =
        waitLimit
            ? static_cast<int>(std::min<std::uint64_t>(*waitLimit, std::numeric_limits<int>::max()))
            : -1;
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, waitMs) == 0) continue;
    if (event.type == wakeEvent_) return std::nullopt;
    if (auto translated = TranslateEvent(event)) return translated;
  }
}

std::optional<std::uint64_t> TSdlBackend::StepMouseCursor() {
  SDL_Window* window = SDL_GetMouseFocus();
  TSdlWindow* under = window != nullptr ? TSdlWindow::FromId(SDL_GetWindowID(window)) : nullptr;
  return under != nullptr ? under->StepCursor() : std::nullopt;
}

std::optional<TInputEvent> TSdlBackend::Poll() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    if (event.type == wakeEvent_) {
      wakePending_ = true;  // kept for the next wait that would block
      continue;
    }
    if (auto translated = TranslateEvent(event)) return translated;
  }
  return std::nullopt;
}

void TSdlBackend::Wake() {
  SDL_Event event{};
  event.type = wakeEvent_;
  SDL_PushEvent(&event);
}

std::uint64_t TSdlBackend::NowMs() {
  return SDL_GetTicks64();
}

int TSdlBackend::ScreenPixelsPerInch() {
  return pixelsPerInch_;
}
