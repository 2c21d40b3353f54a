#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "framework/platform/cursor.h"
#include "framework/platform/input_event.h"
#include "framework/platform/message_box.h"
#include "framework/platform/native_window.h"
#include "framework/platform/platform_cursors.h"
#include "framework/platform/platform_timers.h"

// The windowing half of the platform: everything the framework's controls need of a desktop.
// A backend provides
//   - top-level windows (native_window.h): created hidden with caption, client size, tool-window,
//     stay-on-top and centring flags; caption, icon, cursor, show/hide, bring to front, and
//     presenting one 32-bit pixel buffer as the client area;
//   - cursors made from our own pictures with their hot spots, and the system cursors;
//   - modal message boxes (caption, text, icon, buttons) answering the button pressed;
//   - the event stream of all its windows (input_event.h), waited for with a timeout, and a
//     wake-up that any thread may call to end a wait early;
//   - a monotonic clock in milliseconds, which the message loop and its timers run on;
//   - the screen's pixels per inch;
//   - optionally, window timers the platform runs and cursors it loads itself (null: the framework
//     times its window timers on NowMs and reads cursors with its own reader).
// Except for Wake, every call comes from the UI thread.
class TWindowBackend {
 public:
  TWindowBackend() = default;
  TWindowBackend(const TWindowBackend&) = delete;
  TWindowBackend& operator=(const TWindowBackend&) = delete;
  virtual ~TWindowBackend() = default;

  virtual std::unique_ptr<TNativeWindow> CreateWindow(const TWindowParams& params) = 0;

  // A cursor handle the caller owns (free it with DestroyCursor). Never null: a backend that
  // cannot show colour cursors returns one that shows the arrow.
  virtual HCURSOR CreateCursor(const TCursorImage& image) = 0;
  // An animated cursor of the steps (at least one), owned by the caller like CreateCursor's; it
  // shows each step for its duration, round and round, while a window shows it. A backend that
  // cannot animate cursors shows the first step.
  virtual HCURSOR CreateAnimatedCursor(const std::vector<TCursorStep>& steps) {
    return CreateCursor(steps.front().image);
  }
  // A shared cursor owned by the backend.
  virtual HCURSOR SystemCursor(TSystemCursor kind) = 0;

  // Blocks until the user closes the box; answers IDOK, IDCANCEL, IDYES or IDNO. A backend that
  // cannot show one writes it to the standard error stream and answers DefaultMessageBoxAnswer.
  virtual int ShowMessageBox(const TMessageBoxRequest& request) = 0;

  // The next event, waiting at most timeoutMs (none: without limit). Returns none when the time
  // is up or Wake was called. A timeout of 0 only looks and never uses up a wake-up, so that a
  // loop may poll, look at its own queues, and then wait without missing a wake-up that came in
  // between.
  virtual std::optional<TInputEvent> WaitEvent(std::optional<std::uint64_t> timeoutMs) = 0;
  // Any thread: ends a WaitEvent under way, or makes the next one return at once.
  virtual void Wake() = 0;

  virtual std::uint64_t NowMs() = 0;

  virtual int ScreenPixelsPerInch() = 0;

  virtual TPlatformTimers* PlatformTimers() { return nullptr; }
  virtual TPlatformCursors* PlatformCursors() { return nullptr; }
};

// The backend the process runs on. The program installs one at start-up, in one place, before it
// creates any control, and keeps it alive until the end; SetWindowBackend never takes ownership.
// WindowBackend() raises Exception when none is installed.
TWindowBackend& WindowBackend();
bool HasWindowBackend();
// Installs a backend (or none, with null) and returns the one installed before.
TWindowBackend* SetWindowBackend(TWindowBackend* backend);

// Installs a backend for the life of a scope, typically a test, and puts the earlier one back.
class TScopedWindowBackend {
 public:
  explicit TScopedWindowBackend(TWindowBackend& backend) : previous_(SetWindowBackend(&backend)) {}
  ~TScopedWindowBackend() { SetWindowBackend(previous_); }
  TScopedWindowBackend(const TScopedWindowBackend&) = delete;
  TScopedWindowBackend& operator=(const TScopedWindowBackend&) = delete;

 private:
  TWindowBackend* previous_;
};
