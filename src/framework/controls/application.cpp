#include "framework/controls/application.h"

#include "framework/controls/message_queue.h"
#include "framework/controls/screen.h"
#include "framework/controls/window_timers.h"
#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/synchronize_queue.h"
#include "framework/platform/window_backend.h"
#include "framework/platform/window_object.h"

TApplication* Application = nullptr;

namespace {

std::atomic<bool> terminating{false};

}  // namespace

bool ApplicationTerminating() {
  return terminating.load();
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  terminating.store(false);
  Application = this;
  Screen = new TScreen(this);
}

TApplication::~TApplication() {
  terminating.store(true);
  // Workers still waiting for the UI thread are released before the forms (and the timers they
  // own) go, so none of them can wait for a loop that no longer runs.
  synchronize_queue::SetWakeUp(nullptr);
  synchronize_queue::Shutdown();
  Destroying();
  DestroyComponents();
  Screen = nullptr;
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  synchronize_queue::SetMainThread();
  synchronize_queue::SetWakeUp([] {
    if (HasWindowBackend()) WindowBackend().Wake();
  });
}

void TApplication::Run() {
  if (mainForm_ != nullptr) {
    try {
      mainForm_->Show();
    } catch (...) {
      HandleException(mainForm_);
    }
  }
  while (!Terminated())
    HandleMessage();
}

void TApplication::Terminate() {
  terminated_.store(true);
  terminating.store(true);
  if (HasWindowBackend()) WindowBackend().Wake();
}

bool TApplication::ProcessMessage() {
  if (synchronize_queue::CheckSynchronize()) return true;
  if (auto posted = message_queue::TakePosted()) {
    message_queue::Deliver(*posted);
    return true;
  }
  if (auto event = WindowBackend().WaitEvent(0)) {
    DispatchInput(*event);
    return true;
  }
  return window_timers::DeliverDue(WindowBackend().NowMs());
}

void TApplication::ProcessMessages() {
  for (;;) {
    try {
      if (!ProcessMessage()) break;
    } catch (...) {
      HandleException(this);
    }
  }
  try {
    PaintForms();
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::HandleMessage() {
  try {
    if (!ProcessMessage()) Idle();
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::Idle() {
  PaintForms();
  if (Terminated()) return;
  std::optional<std::uint64_t> timeout;
  if (const auto due = window_timers::NextDue()) {
    const std::uint64_t now = WindowBackend().NowMs();
    timeout = *due > now ? *due - now : 0;
  }
  if (auto event = WindowBackend().WaitEvent(timeout)) DispatchInput(*event);
}

void TApplication::PaintForms() {
  for (int i = 0; i < Screen->FormCount(); ++i)
    Screen->Forms(i)->PaintPending();
}

void TApplication::DispatchInput(const TInputEvent& event) {
  if (event.kind == TInputEventKind::kQuit) {
    Terminate();
    return;
  }
  if (event.kind == TInputEventKind::kTimer) {
    window_timers::DeliverPlatformTimer(event.timer);
    return;
  }
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && form->Handle()->native.get() == event.window) {
      form->HandleInput(event);
      return;
    }
  }
}

void TApplication::HandleException(TObject*) {
  try {
    throw;
  } catch (const EAbort&) {
    // Silent by design: it only ends the current operation.
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(Exception(messages::kUnknownException));
  }
}

void TApplication::ShowException(const std::exception& error) {
  const auto* exception = dynamic_cast<const Exception*>(&error);
  std::string text = exception != nullptr ? exception->Message() : error.what();
  text += '.';
  MessageBox(text, title_, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  TMessageBoxRequest request{caption, text, flags, nullptr};
  TForm* active = Screen != nullptr ? Screen->ActiveForm() : nullptr;
  if (active != nullptr && active->HandleAllocated())
    request.owner = active->Handle()->native.get();
  return WindowBackend().ShowMessageBox(request);
}
