#include "framework/backends/win32/win32_backend.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "framework/backends/win32/api/cursors.h"
#include "framework/backends/win32/api/message_box.h"
#include "framework/backends/win32/api/system.h"
#include "framework/backends/win32/win32_resource_key.h"
#include "framework/backends/win32/win32_window.h"
#include "framework/core/exceptions.h"

namespace {

// The platform's identifiers of its own cursors (IDC_ARROW and the others).
std::uint16_t SystemCursorId(TSystemCursor kind) {
  switch (kind) {
    case TSystemCursor::kIBeam:
      return 32513;
    case TSystemCursor::kWait:
      return 32514;
    case TSystemCursor::kCross:
      return 32515;
    case TSystemCursor::kUpArrow:
      return 32516;
    case TSystemCursor::kSizeNWSE:
      return 32642;
    case TSystemCursor::kSizeNESW:
      return 32643;
    case TSystemCursor::kSizeWE:
      return 32644;
    case TSystemCursor::kSizeNS:
      return 32645;
    case TSystemCursor::kSizeAll:
      return 32646;
    case TSystemCursor::kNo:
      return 32648;
    case TSystemCursor::kHand:
      return 32649;
    case TSystemCursor::kAppStarting:
      return 32650;
    case TSystemCursor::kArrow:
      break;
  }
  return 32512;
}

}  // namespace

TWin32Backend::TWin32Backend() {
  try {
    pump_ = std::make_unique<win32::TMessagePump>(static_cast<TListener&>(*this));
  } catch (const std::runtime_error& error) {
    throw Exception(std::string("Cannot start the message queue: ") + error.what());
  }
}

TWin32Backend::~TWin32Backend() = default;

std::unique_ptr<TNativeWindow> TWin32Backend::CreateWindow(const TWindowParams& params) {
  return std::make_unique<TWin32Window>(params, events_);
}

HCURSOR TWin32Backend::CreateCursor(const TCursorImage& image) {
  void* native = win32::CreateArgbCursor(image.image.pixels.data(), image.image.width,
                                         image.image.height, image.hotSpotX, image.hotSpotY);
  // A cursor the system could not make shows the arrow.
  return new TWin32Cursor(image, native, TWin32Cursor::TOwnership::kOwned);
}

HCURSOR TWin32Backend::SystemCursor(TSystemCursor kind) {
  auto& cursor = systemCursors_[kind];
  if (cursor == nullptr) {
    cursor = std::make_unique<TWin32Cursor>(kind, win32::SystemCursor(SystemCursorId(kind)));
  }
  return cursor.get();
}

int TWin32Backend::ShowMessageBox(const TMessageBoxRequest& request) {
  const auto* owner = dynamic_cast<const TWin32Window*>(request.owner);
  return win32::ShowMessageBox(owner != nullptr ? owner->Handle() : nullptr, request.text,
                               request.caption, request.flags);
}

std::optional<TInputEvent> TWin32Backend::WaitEvent(std::optional<std::uint64_t> timeoutMs) {
  if (timeoutMs == 0u) return Poll();
  const std::uint64_t start = NowMs();
  for (;;) {
    if (auto event = Poll()) return event;
    if (std::exchange(woken_, false)) return std::nullopt;
    std::optional<std::uint32_t> waitMs;
    if (timeoutMs) {
      const std::uint64_t elapsed = NowMs() - start;
      if (elapsed >= *timeoutMs) return std::nullopt;
      waitMs =
          static_cast<std::uint32_t>(std::min<std::uint64_t>(*timeoutMs - elapsed, 0x7FFFFFFF));
    }
    pump_->WaitForMessage(waitMs);
  }
}

std::optional<TInputEvent> TWin32Backend::Poll() {
  pump_->DispatchWaiting();
  if (events_.empty()) return std::nullopt;
  TInputEvent event = events_.front();
  events_.pop_front();
  return event;
}

void TWin32Backend::Wake() {
  pump_->Wake();
}

std::uint64_t TWin32Backend::NowMs() {
  return win32::MonotonicMs();
}

int TWin32Backend::ScreenPixelsPerInch() {
  return win32::ScreenPixelsPerInch();
}

bool TWin32Backend::StartTimer(std::uintptr_t key, unsigned intervalMs) {
  return pump_->StartTimer(key, intervalMs);
}

void TWin32Backend::StopTimer(std::uintptr_t key) {
  pump_->StopTimer(key);
}

HCURSOR TWin32Backend::LoadResourceCursor(const TResourceName& name) {
  void* native = win32::LoadResourceCursor(ResourceKeyOf(name));
  if (native == nullptr) return nullptr;
  return new TWin32Cursor(TCursorImage{}, native, TWin32Cursor::TOwnership::kShared);
}

HCURSOR TWin32Backend::LoadCursorFile(const std::string& path) {
  void* native = win32::LoadFileCursor(path);
  if (native == nullptr) return nullptr;
  return new TWin32Cursor(TCursorImage{}, native, TWin32Cursor::TOwnership::kOwned);
}

void TWin32Backend::Woken() {
  woken_ = true;
}

void TWin32Backend::TimerElapsed(std::uintptr_t key) {
  TInputEvent event{TInputEventKind::kTimer};
  event.timer = key;
  events_.push_back(event);
}
