#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>

#include "framework/backends/win32/api/message_pump.h"
#include "framework/backends/win32/win32_cursor.h"
#include "framework/platform/window_backend.h"

// The backend of the native Windows program: top-level Win32 windows that show our pixels with
// SetDIBitsToDevice, the thread's Win32 message queue as the event stream, window timers with
// SetTimer on a hidden window, cursors loaded by the platform (LoadCursor, LoadCursorFromFile) or
// made from our pictures, and MessageBoxA. Made and used on the UI thread; Wake from any thread.
class TWin32Backend : public TWindowBackend,
                      private TPlatformTimers,
                      private TPlatformCursors,
                      private win32::TMessagePump::TListener {
 public:
  // Raises Exception with the system's text when the hidden window can't be made.
  TWin32Backend();
  ~TWin32Backend() override;

  std::unique_ptr<TNativeWindow> CreateWindow(const TWindowParams& params) override;
  HCURSOR CreateCursor(const TCursorImage& image) override;
  HCURSOR SystemCursor(TSystemCursor kind) override;
  int ShowMessageBox(const TMessageBoxRequest& request) override;
  std::optional<TInputEvent> WaitEvent(std::optional<std::uint64_t> timeoutMs) override;
  void Wake() override;
  std::uint64_t NowMs() override;
  int ScreenPixelsPerInch() override;
  TPlatformTimers* PlatformTimers() override { return this; }
  TPlatformCursors* PlatformCursors() override { return this; }

 private:
  bool StartTimer(std::uintptr_t key, unsigned intervalMs) override;
  void StopTimer(std::uintptr_t key) override;
  HCURSOR LoadResourceCursor(const TResourceName& name) override;
  HCURSOR LoadCursorFile(const std::string& path) override;
  void Woken() override;
  void TimerElapsed(std::uintptr_t key) override;

  // Dispatches what waits and takes the oldest event, without waiting.
  std::optional<TInputEvent> Poll();

  std::deque<TInputEvent> events_;  // filled by the windows and the pump while they dispatch
  bool woken_ = false;              // a wake-up dispatched and not yet used up
  std::unique_ptr<win32::TMessagePump> pump_;
  std::map<TSystemCursor, std::unique_ptr<TWin32Cursor>> systemCursors_;
};
