#include "framework/backends/sdl/sdl_events.h"

#include "framework/backends/sdl/sdl_keys.h"
#include "framework/backends/sdl/sdl_window.h"

namespace {

std::optional<TInputEvent> WindowEvent(const SDL_WindowEvent& event, TSdlWindow* window) {
  TInputEvent result{TInputEventKind::kExposed, window};
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      result.kind = TInputEventKind::kCloseRequest;
      return result;
    case SDL_WINDOWEVENT_EXPOSED:
      return result;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      result.kind = TInputEventKind::kActivated;
      return result;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      result.kind = TInputEventKind::kDeactivated;
      return result;
    case SDL_WINDOWEVENT_ENTER:
      window->ApplyCursor();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

TMouseButton ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_RIGHT:
      return TMouseButton::mbRight;
    case SDL_BUTTON_MIDDLE:
      return TMouseButton::mbMiddle;
    default:
      return TMouseButton::mbLeft;
  }
}

}  // namespace

std::optional<TInputEvent> TranslateEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      return TInputEvent{TInputEventKind::kQuit};
    case SDL_WINDOWEVENT:
      if (TSdlWindow* window = TSdlWindow::FromId(event.window.windowID)) {
        return WindowEvent(event.window, window);
      }
      return std::nullopt;
    case SDL_MOUSEMOTION:
      if (TSdlWindow* window = TSdlWindow::FromId(event.motion.windowID)) {
        return TInputEvent{TInputEventKind::kMouseMove,
                           window,
                           event.motion.x,
                           event.motion.y,
                           TMouseButton::mbLeft,
                           0,
                           ShiftStateOf(SDL_GetModState(), event.motion.state)};
      }
      return std::nullopt;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (TSdlWindow* window = TSdlWindow::FromId(event.button.windowID)) {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        return TInputEvent{down ? TInputEventKind::kMouseDown : TInputEventKind::kMouseUp,
                           window,
                           event.button.x,
                           event.button.y,
                           ButtonOf(event.button.button),
                           0,
                           ShiftStateOf(SDL_GetModState(), SDL_GetMouseState(nullptr, nullptr))};
      }
      return std::nullopt;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (TSdlWindow* window = TSdlWindow::FromId(event.key.windowID)) {
        const int key = VirtualKeyOf(event.key.keysym.sym);
        if (key == 0) return std::nullopt;
        return TInputEvent{
            event.type == SDL_KEYDOWN ? TInputEventKind::kKeyDown : TInputEventKind::kKeyUp,
            window,
            0,
            0,
            TMouseButton::mbLeft,
            key,
            ShiftStateOf(event.key.keysym.mod, 0)};
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}
