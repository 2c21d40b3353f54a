#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "framework/backends/headless/headless_window.h"
#include "framework/platform/window_backend.h"

// The window backend for tests: no display at all.
//   - Input is injected (from any thread) and comes out of WaitEvent in order.
//   - Time is a counter the test drives: it stands still until AdvanceTime, except that a wait
//     with a timeout and nothing to deliver lets exactly that much time pass at once, so a
//     message loop sleeping until its next timer gets there without real waiting. A wait without
//     timeout blocks for real until an event is injected or Wake is called.
//   - Message boxes are recorded and answered from a queue of answers the test gives (by default
//     with the first button).
//   - Windows keep what was presented (THeadlessWindow::Frame).
class THeadlessBackend : public TWindowBackend {
 public:
  THeadlessBackend();
  ~THeadlessBackend() override;

  std::unique_ptr<TNativeWindow> CreateWindow(const TWindowParams& params) override;
  HCURSOR CreateCursor(const TCursorImage& image) override;
  HCURSOR CreateAnimatedCursor(const std::vector<TCursorStep>& steps) override;
  HCURSOR SystemCursor(TSystemCursor kind) override;
  int ShowMessageBox(const TMessageBoxRequest& request) override;
  std::optional<TInputEvent> WaitEvent(std::optional<std::uint64_t> timeoutMs) override;
  void Wake() override;
  std::uint64_t NowMs() override;
  int ScreenPixelsPerInch() override { return pixelsPerInch_; }

  // Time.
  void AdvanceTime(std::uint64_t milliseconds);

  // Input, from any thread.
  void Inject(const TInputEvent& event);
  void MoveMouse(TNativeWindow* window, int x, int y);
  // Moves there, presses and releases the left button.
  void Click(TNativeWindow* window, int x, int y);
  void PressKey(TNativeWindow* window, int key, TShiftState shift = 0);
  void RequestClose(TNativeWindow* window);

  // Message boxes.
  const std::vector<TMessageBoxRequest>& MessageBoxes() const { return messageBoxes_; }
  void QueueMessageBoxAnswer(int answer) { answers_.push_back(answer); }

  // Windows that exist now, oldest first.
  std::vector<THeadlessWindow*> Windows() const;

  void SetScreenPixelsPerInch(int value) { pixelsPerInch_ = value; }

 private:
  class TrackedWindow;
  void Forget(THeadlessWindow* window);

  std::mutex mutex_;  // guards events_, woken_ and now_
  std::condition_variable changed_;
  std::deque<TInputEvent> events_;
  bool woken_ = false;
  std::uint64_t now_ = 0;

  std::vector<TMessageBoxRequest> messageBoxes_;
  std::deque<int> answers_;
  std::vector<THeadlessWindow*> windows_;
  std::map<TSystemCursor, std::unique_ptr<TCursorObject>> systemCursors_;
  int pixelsPerInch_ = 96;
};
