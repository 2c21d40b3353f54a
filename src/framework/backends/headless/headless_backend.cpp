#include "framework/backends/headless/headless_backend.h"

#include <algorithm>

// A headless window that tells its backend when it goes, so Windows() lists only live ones.
class THeadlessBackend::TrackedWindow : public THeadlessWindow {
 public:
  TrackedWindow(THeadlessBackend& backend, const TWindowParams& params)
      : THeadlessWindow(params), backend_(backend) {}
  ~TrackedWindow() override { backend_.Forget(this); }

 private:
  THeadlessBackend& backend_;
};

THeadlessBackend::THeadlessBackend() = default;

THeadlessBackend::~THeadlessBackend() = default;

std::unique_ptr<TNativeWindow> THeadlessBackend::CreateWindow(const TWindowParams& params) {
  auto window = std::make_unique<TrackedWindow>(*this, params);
  windows_.push_back(window.get());
  return window;
}

void THeadlessBackend::Forget(THeadlessWindow* window) {
  std::erase(windows_, window);
}

std::vector<THeadlessWindow*> THeadlessBackend::Windows() const {
  return windows_;
}

HCURSOR THeadlessBackend::CreateCursor(const TCursorImage& image) {
  return new TCursorObject(image);
}

HCURSOR THeadlessBackend::CreateAnimatedCursor(const std::vector<TCursorStep>& steps) {
  return new TCursorObject(steps);
}

HCURSOR THeadlessBackend::SystemCursor(TSystemCursor kind) {
  auto& cursor = systemCursors_[kind];
  if (cursor == nullptr) cursor = std::make_unique<TCursorObject>(kind);
  return cursor.get();
}

int THeadlessBackend::ShowMessageBox(const TMessageBoxRequest& request) {
  messageBoxes_.push_back(request);
  if (answers_.empty()) return DefaultMessageBoxAnswer(request.flags);
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<TInputEvent> THeadlessBackend::WaitEvent(std::optional<std::uint64_t> timeoutMs) {
  std::unique_lock lock(mutex_);
  if (!timeoutMs) changed_.wait(lock, [this] { return woken_ || !events_.empty(); });
  if (!events_.empty()) {
    TInputEvent event = events_.front();
    events_.pop_front();
    return event;
  }
  if (timeoutMs == 0u) return std::nullopt;      // only looking: a wake-up stays for the next wait
  if (!woken_ && timeoutMs) now_ += *timeoutMs;  // the wait's time passes at once
  woken_ = false;
  return std::nullopt;
}

void THeadlessBackend::Wake() {
  {
    std::lock_guard lock(mutex_);
    woken_ = true;
  }
  changed_.notify_all();
}

std::uint64_t THeadlessBackend::NowMs() {
  std::lock_guard lock(mutex_);
  return now_;
}

void THeadlessBackend::AdvanceTime(std::uint64_t milliseconds) {
  std::lock_guard lock(mutex_);
  now_ += milliseconds;
}

void THeadlessBackend::Inject(const TInputEvent& event) {
  {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
  }
  changed_.notify_all();
}

void THeadlessBackend::MoveMouse(TNativeWindow* window, int x, int y) {
  Inject({TInputEventKind::kMouseMove, window, x, y});
}

void THeadlessBackend::Click(TNativeWindow* window, int x, int y) {
  MoveMouse(window, x, y);
  Inject({TInputEventKind::kMouseDown, window, x, y, TMouseButton::mbLeft, 0, ssLeft});
  Inject({TInputEventKind::kMouseUp, window, x, y, TMouseButton::mbLeft});
}

void THeadlessBackend::PressKey(TNativeWindow* window, int key, TShiftState shift) {
  Inject({TInputEventKind::kKeyDown, window, 0, 0, TMouseButton::mbLeft, key, shift});
  Inject({TInputEventKind::kKeyUp, window, 0, 0, TMouseButton::mbLeft, key, shift});
}

void THeadlessBackend::RequestClose(TNativeWindow* window) {
  Inject({TInputEventKind::kCloseRequest, window});
}
