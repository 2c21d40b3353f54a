#pragma once

#include <cstdint>

class TNativeWindow;

// Keys by their platform-neutral virtual key numbers (the numbers the platform's own keyboard
// messages use, so key handling code reads the same everywhere). Letters and digits are their
// upper-case ASCII codes.
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;  // Alt
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F4 = 0x73;
inline constexpr int VK_F12 = 0x7B;

// Modifier keys and mouse buttons held while an input event happened (a bit set).
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1u << 0;
inline constexpr TShiftState ssAlt = 1u << 1;
inline constexpr TShiftState ssCtrl = 1u << 2;
inline constexpr TShiftState ssLeft = 1u << 3;
inline constexpr TShiftState ssRight = 1u << 4;
inline constexpr TShiftState ssMiddle = 1u << 5;
inline constexpr TShiftState ssDouble = 1u << 6;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TInputEventKind {
  kMouseMove,
  kMouseDown,
  kMouseUp,
  kKeyDown,
  kKeyUp,
  kCloseRequest,  // the window's close box, or the window manager asking it to close
  kExposed,       // the window's pixels were lost and must be presented again
  kActivated,     // the window received the keyboard focus
  kDeactivated,
  kQuit,   // the session or the user asks the whole program to end
  kTimer,  // a window timer the platform runs elapsed (see TPlatformTimers)
  // The window should realise its palette: it is about to get the focus, or another window
  // changed the system palette.
  kPaletteQuery,
};

// One input event of a native window, or of the backend itself (kQuit, kTimer). Positions are in
// the window's client pixels.
struct TInputEvent {
  TInputEventKind kind = TInputEventKind::kMouseMove;
  TNativeWindow* window = nullptr;  // none for kQuit
  int x = 0;
  int y = 0;
  TMouseButton button = TMouseButton::mbLeft;
  int key = 0;  // virtual key number, for key events
  TShiftState shift = 0;
  std::uintptr_t timer = 0;  // the timer's key, for kTimer
};
