#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/platform/window_params.h"

// A top-level Win32 window showing pixels it is given (see system.h for why these names are the
// backend's own). It paints itself from the last pixels it was given, sets its own cursor over
// the client area, and hands every other message that matters to input to a sink, raw.
namespace win32 {

// Receives, on the window's thread, the window's mouse, keyboard, close, activation and palette
// messages with their parameters as the platform gives them.
class TWindowMessageSink {
 public:
  virtual ~TWindowMessageSink() = default;
  virtual void WindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// The modifier keys held down as the last message was sent.
struct TModifierKeys {
  bool shift = false;
  bool control = false;
  bool alt = false;
};
TModifierKeys HeldModifierKeys();

class TTopLevelWindow {
 public:
  // Created hidden, with the program's icon "MAINICON" as its class icon. Raises
  // std::runtime_error with the system's text when the window can't be made.
  TTopLevelWindow(const TWindowParams& params, TWindowMessageSink& sink);
  ~TTopLevelWindow();
  TTopLevelWindow(const TTopLevelWindow&) = delete;
  TTopLevelWindow& operator=(const TTopLevelWindow&) = delete;

  void* Handle() const { return window_; }

  void SetCaption(const std::string& caption);
  // Pixels 0xAARRGGBB, rows from the top; an empty picture gives the class icon back.
  void SetIcon(const std::uint32_t* argb, int width, int height);
  void SetClientSize(int width, int height);
  void Show();
  void Hide();
  bool Visible() const;
  // Pixels 0x00RRGGBB, rows from the top, stride pixels apart; kept for repainting and drawn at
  // once with SetDIBitsToDevice.
  void Present(const std::uint32_t* pixels, int width, int height, int stride);
  // The cursor over the client area (a cursor handle of cursors.h); null shows the arrow.
  void SetCursor(void* cursor);
  // SetForegroundWindow; a hidden window is brought to the front when it is shown.
  bool BringToFront();

  // Used by the window procedure.
  void Paint();
  void ShowCursor();
  TWindowMessageSink& Sink() { return sink_; }

 private:
  void* window_ = nullptr;
  TWindowMessageSink& sink_;
  std::vector<std::uint32_t> pixels_;
  int width_ = 0;
  int height_ = 0;
  void* cursor_ = nullptr;
  void* icon_ = nullptr;  // the icon made from pixels, destroyed when replaced
  bool bringToFrontWhenShown_ = false;
};

}  // namespace win32
