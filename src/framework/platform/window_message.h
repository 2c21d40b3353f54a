#pragma once

#include <cstdint>
#include <functional>

// A message to a window: its number and two parameters, wide enough to carry a handle, and the
// result the receiver leaves for the sender.
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct TMessage {
  unsigned Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Receives every message sent or posted to one window.
using TWindowProcedure = std::function<void(TMessage& message)>;

// Message numbers. The numbers are the platform's own, so that code written against them reads
// the same on every platform.
inline constexpr unsigned WM_NULL = 0x0000;
inline constexpr unsigned WM_SIZE = 0x0005;      // LParam: width in the low word, height above
inline constexpr unsigned WM_ACTIVATE = 0x0006;  // WParam: WA_INACTIVE or WA_ACTIVE
inline constexpr unsigned WM_SETFOCUS = 0x0007;
inline constexpr unsigned WM_KILLFOCUS = 0x0008;
inline constexpr unsigned WM_PAINT = 0x000F;  // WParam: the drawing surface (HDC) to paint on
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_ERASEBKGND = 0x0014;  // WParam: the drawing surface
inline constexpr unsigned WM_SETCURSOR = 0x0020;
inline constexpr unsigned WM_KEYDOWN = 0x0100;  // WParam: virtual key; LParam: shift state
inline constexpr unsigned WM_KEYUP = 0x0101;
inline constexpr unsigned WM_SYSKEYDOWN = 0x0104;  // a key pressed with Alt held
inline constexpr unsigned WM_TIMER = 0x0113;       // WParam: the timer's identifier
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;   // LParam: x in the low word, y above
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;
inline constexpr unsigned WM_USER = 0x0400;

inline constexpr WPARAM WA_INACTIVE = 0;
inline constexpr WPARAM WA_ACTIVE = 1;
inline constexpr WPARAM SIZE_RESTORED = 0;

// Two signed 16-bit values packed the way WM_SIZE and the mouse messages carry them.
inline constexpr LPARAM MakeLParam(int low, int high) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(high) & 0xFFFFu) << 16 |
                             (static_cast<std::uint32_t>(low) & 0xFFFFu));
}
inline constexpr int LowWord(LPARAM value) {
  return static_cast<std::int16_t>(value & 0xFFFF);
}
inline constexpr int HighWord(LPARAM value) {
  return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}
