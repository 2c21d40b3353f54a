#include "framework/backends/win32/win32_input.h"

#include "framework/platform/window_message.h"

namespace {

// The platform's numbers of messages and flags that the framework itself never sends.
constexpr unsigned kMiddleButtonDown = 0x0207;        // WM_MBUTTONDOWN
constexpr unsigned kMiddleButtonUp = 0x0208;          // WM_MBUTTONUP
constexpr unsigned kSysKeyUp = 0x0105;                // WM_SYSKEYUP
constexpr unsigned kPaletteChanged = 0x0311;          // WM_PALETTECHANGED
constexpr std::uintptr_t kLeftButtonHeld = 0x0001;    // MK_LBUTTON
constexpr std::uintptr_t kRightButtonHeld = 0x0002;   // MK_RBUTTON
constexpr std::uintptr_t kMiddleButtonHeld = 0x0010;  // MK_MBUTTON

TShiftState ModifierState(win32::TModifierKeys held) {
  TShiftState state = 0;
  if (held.shift) state |= ssShift;
  if (held.control) state |= ssCtrl;
  if (held.alt) state |= ssAlt;
  return state;
}

TShiftState ButtonState(std::uintptr_t buttons) {
  TShiftState state = 0;
  if ((buttons & kLeftButtonHeld) != 0) state |= ssLeft;
  if ((buttons & kRightButtonHeld) != 0) state |= ssRight;
  if ((buttons & kMiddleButtonHeld) != 0) state |= ssMiddle;
  return state;
}

TInputEvent MouseEvent(TNativeWindow* window, TInputEventKind kind, TMouseButton button,
                       std::uintptr_t wParam, std::intptr_t lParam, win32::TModifierKeys held) {
  TInputEvent event{kind, window, LowWord(lParam), HighWord(lParam), button};
  event.shift = ModifierState(held) | ButtonState(wParam);
  return event;
}

TInputEvent KeyEvent(TNativeWindow* window, TInputEventKind kind, std::uintptr_t key,
                     win32::TModifierKeys held) {
  TInputEvent event{kind, window};
  event.key = static_cast<int>(key);
  event.shift = ModifierState(held);
  return event;
}

}  // namespace

std::optional<TInputEvent> InputEventOf(TNativeWindow* window, const void* windowHandle,
                                        unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam, win32::TModifierKeys held) {
  using enum TInputEventKind;
  switch (message) {
    case WM_MOUSEMOVE:
      return MouseEvent(window, kMouseMove, TMouseButton::mbLeft, wParam, lParam, held);
    case WM_LBUTTONDOWN:
      return MouseEvent(window, kMouseDown, TMouseButton::mbLeft, wParam, lParam, held);
    case WM_LBUTTONUP:
      return MouseEvent(window, kMouseUp, TMouseButton::mbLeft, wParam, lParam, held);
    case WM_RBUTTONDOWN:
      return MouseEvent(window, kMouseDown, TMouseButton::mbRight, wParam, lParam, held);
    case WM_RBUTTONUP:
      return MouseEvent(window, kMouseUp, TMouseButton::mbRight, wParam, lParam, held);
    case kMiddleButtonDown:
      return MouseEvent(window, kMouseDown, TMouseButton::mbMiddle, wParam, lParam, held);
    case kMiddleButtonUp:
      return MouseEvent(window, kMouseUp, TMouseButton::mbMiddle, wParam, lParam, held);
    // The framework's key numbers are the platform's own virtual keys.
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return KeyEvent(window, kKeyDown, wParam, held);
    case WM_KEYUP:
    case kSysKeyUp:
      return KeyEvent(window, kKeyUp, wParam, held);
    case WM_CLOSE:
      return TInputEvent{kCloseRequest, window};
    case WM_ACTIVATE:
      return TInputEvent{(wParam & 0xFFFF) == WA_INACTIVE ? kDeactivated : kActivated, window};
    case WM_QUERYNEWPALETTE:
      return TInputEvent{kPaletteQuery, window};
    case kPaletteChanged:
      // The window that changed the palette has realised its own already.
      if (wParam == reinterpret_cast<std::uintptr_t>(windowHandle)) return std::nullopt;
      return TInputEvent{kPaletteQuery, window};
    default:
      return std::nullopt;
  }
}
