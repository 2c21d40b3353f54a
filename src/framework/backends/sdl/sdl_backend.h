#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "framework/backends/posix/posix_services.h"
#include "framework/platform/window_aware_services.h"
#include "framework/platform/window_backend.h"

class TSdlCursor;

// The desktop backend on SDL2: windows present our pixels through their window surface, cursors
// are SDL colour cursors made from our pictures, message boxes are SDL's. Works with any SDL
// video driver, including "offscreen" and "dummy" (no display; message boxes then go to the
// standard error stream).
class TSdlBackend : public TWindowBackend {
 public:
  // Starts SDL's video; raises Exception with SDL's error when it cannot.
  TSdlBackend();
  ~TSdlBackend() override;

  std::unique_ptr<TNativeWindow> CreateWindow(const TWindowParams& params) override;
  HCURSOR CreateCursor(const TCursorImage& image) override;
  HCURSOR CreateAnimatedCursor(const std::vector<TCursorStep>& steps) override;
  HCURSOR SystemCursor(TSystemCursor kind) override;
  int ShowMessageBox(const TMessageBoxRequest& request) override;
  std::optional<TInputEvent> WaitEvent(std::optional<std::uint64_t> timeoutMs) override;
  void Wake() override;
  std::uint64_t NowMs() override;
  int ScreenPixelsPerInch() override;

 private:
  // Takes the next event that means something to the framework, without waiting.
  std::optional<TInputEvent> Poll();
  // Steps the animated cursor of the window under the mouse; answers the milliseconds until its
  // next step (none when nothing steps).
  std::optional<std::uint64_t> StepMouseCursor();

  int pixelsPerInch_ = 0;  // the display's, asked once at start
  std::uint32_t wakeEvent_ = 0;
  bool wakePending_ = false;  // a wake-up seen while only looking
  std::map<TSystemCursor, std::unique_ptr<TSdlCursor>> systemCursors_;
};

// The platform services of the desktop program: POSIX services that can raise our windows.
using TSdlServices = TWindowAwareServices<TPosixServices>;
