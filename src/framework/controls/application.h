#pragma once

#include <atomic>
#include <exception>
#include <string>

#include "framework/controls/form.h"
#include "framework/core/component.h"

// The application object: title, forms, the message loop and the display of exceptions that
// escape event handlers.
//
// The message loop runs on the UI thread. Each step handles one thing, in this order: a call
// handed over by a worker thread (TThread::Synchronize), a posted message, an input event of the
// window backend, a window timer that is due. When nothing is left, pending paints are done and
// the loop waits for the backend's next event, at most until the next timer falls due. An
// exception that escapes any of these is shown (ShowException) and the loop goes on.
//
// A program creates the application object once, after installing its platform services and
// window backend; the object creates the screen. Then:
//   Application->Initialize();
//   Application->SetTitle("...");
//   Application->CreateForm(MyForm);   // the first form created becomes the main form
//   Application->Run();
class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* owner = nullptr);
  ~TApplication() override;
  const char* ClassName() const override { return "TApplication"; }

  // Makes the calling thread the UI thread and lets worker threads wake the message loop.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }

  // Creates a form of class T owned by the application, sets reference to it, reads the form's
  // stored description and raises its OnCreate. The first form becomes the main form.
  template <typename T>
  void CreateForm(T*& reference) {
    auto* form = new T(this);
    reference = form;
    try {
      form->ReadFormData();
      form->AfterConstruction();
    } catch (...) {
      reference = nullptr;
      delete form;
      throw;
    }
    if (mainForm_ == nullptr) mainForm_ = form;
  }
  TForm* MainForm() const { return mainForm_; }
  // For forms created without CreateForm (built in code).
  void SetMainForm(TForm* form) { mainForm_ = form; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Any thread may ask; the loop ends after the current step.
  void Terminate();
  bool Terminated() const { return terminated_.load(); }

  // Handles everything that is waiting, paints, and returns without waiting.
  void ProcessMessages();
  // One step of the message loop; waits when there is nothing to do.
  void HandleMessage();

  // Shows the exception being handled (inside a catch block), unless it is EAbort.
  void HandleException(TObject* sender);
  // A message box captioned with the title, with the error icon, an OK button and the message
  // followed by a full stop.
  void ShowException(const std::exception& error);
  // A message box over the active form; answers the button pressed.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

 private:
  bool ProcessMessage();
  void DispatchInput(const TInputEvent& event);
  void PaintForms();
  void Idle();

  std::string title_;
  TForm* mainForm_ = nullptr;
  std::atomic<bool> terminated_{false};
};

// The application object of the program.
extern TApplication* Application;

// Any thread: true from the moment the application object is asked to end (Terminate, or its
// destruction) until another application object is made. Worker threads look here, since they
// must not touch the application object itself, to stay quiet while the program ends.
bool ApplicationTerminating();
