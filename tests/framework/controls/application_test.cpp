#include "framework/controls/application.h"

#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/controls/message_queue.h"
#include "framework/controls/window_handles.h"
#include "headless_fixture.h"

namespace {

using Application_ = HeadlessTest;

TEST_F(Application_, AnExceptionInAHandlerIsShownWithTheTitleAndAFullStopAndTheLoopGoesOn) {
  TForm* form = NewForm();
  auto* button = new TButton(form);
  button->SetParent(form);
  int clicks = 0;
  button->SetOnClick([&](TObject*) {
    if (++clicks == 1) throw EResNotFound("Resource KALDCURSOR not found");
    throw 42;  // not even a standard exception
  });
  form->Show();
  backend_.Click(NativeOf(form), 10, 10);
  backend_.Click(NativeOf(form), 10, 10);
  application_->ProcessMessages();
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(backend_.MessageBoxes().size(), 2u);
  const TMessageBoxRequest& shown = backend_.MessageBoxes()[0];
  EXPECT_EQ(shown.caption, "Test Program");
  EXPECT_EQ(shown.text, "Resource KALDCURSOR not found.");
  EXPECT_EQ(shown.flags, MB_OK | MB_ICONERROR);
  EXPECT_EQ(shown.owner, NativeOf(form));
  EXPECT_EQ(backend_.MessageBoxes()[1].text, "Unknown exception.");
}

TEST_F(Application_, AbortIsSilent) {
  HWND window = AllocateHWnd([](TMessage&) { throw EAbort(""); });
  PostMessage(window, WM_USER);
  application_->ProcessMessages();
  EXPECT_TRUE(backend_.MessageBoxes().empty());
  DeallocateHWnd(window);
}

class CreatedForm : public TForm {
 public:
  using TForm::TForm;
  void ReadFormData() override {
    SetOnCreate([this](TObject*) {
      steps += "create;";
      throw Exception("Out of system resources");
    });
  }
  std::string steps;
};

TEST_F(Application_, AnExceptionInOnCreateIsShownAndCreationGoesOn) {
  CreatedForm* form = nullptr;
  application_->CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->steps, "create;");
  EXPECT_EQ(application_->MainForm(), form);
  ASSERT_EQ(backend_.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend_.MessageBoxes()[0].text, "Out of system resources.");

  CreatedForm* second = nullptr;
  application_->CreateForm(second);
  EXPECT_EQ(application_->MainForm(), form);  // the first form stays the main form
}

TEST_F(Application_, PostedMessagesArriveInOrderAndNeverAfterTheirWindowIsGone) {
  std::string log;
  HWND first = AllocateHWnd([&](TMessage& m) { log += std::to_string(m.Msg - WM_USER) + ";"; });
  HWND second = AllocateHWnd([&](TMessage&) { log += "second;"; });
  EXPECT_TRUE(PostMessage(first, WM_USER + 1));
  EXPECT_TRUE(PostMessage(second, WM_USER));
  EXPECT_TRUE(PostMessage(first, WM_USER + 2));
  DeallocateHWnd(second);
  EXPECT_FALSE(PostMessage(second, WM_USER));
  EXPECT_EQ(log, "");
  application_->ProcessMessages();
  EXPECT_EQ(log, "1;2;");
  // Sending delivers at once, ahead of anything posted.
  PostMessage(first, WM_USER + 3);
  SendMessage(first, WM_USER + 4);
  EXPECT_EQ(log, "1;2;4;");
  application_->ProcessMessages();
  EXPECT_EQ(log, "1;2;4;3;");
  DeallocateHWnd(first);
}

TEST_F(Application_, RunShowsTheMainFormAndEndsOnTerminate) {
  TForm* form = NewForm();
  int shows = 0;
  form->SetOnShow([&](TObject*) {
    ++shows;
    EXPECT_FALSE(WindowOf(form)->Visible());  // the show event comes before the window shows
  });
  HWND window = AllocateHWnd([&](TMessage&) { application_->Terminate(); });
  PostMessage(window, WM_USER);
  application_->Run();
  EXPECT_EQ(shows, 1);
  EXPECT_TRUE(WindowOf(form)->Visible());
  EXPECT_TRUE(form->Active());
  DeallocateHWnd(window);
}

TEST_F(Application_, TheFormsWindowTakesCaptionSizeAndStyleFromTheForm) {
  TForm* form = NewForm(466, 334);
  form->SetCaption("Intro 1/6");
  form->SetBorderStyle(bsToolWindow);
  form->SetFormStyle(fsStayOnTop);
  form->SetPosition(poScreenCenter);
  const TWindowParams& params = WindowOf(form)->Params();
  EXPECT_EQ(params.clientWidth, 466);
  EXPECT_EQ(params.clientHeight, 334);
  EXPECT_TRUE(params.toolWindow);
  EXPECT_TRUE(params.stayOnTop);
  EXPECT_TRUE(params.centred);
  EXPECT_FALSE(params.resizable);
  form->SetCaption("Intro 2/6");
  EXPECT_EQ(WindowOf(form)->Caption(), "Intro 2/6");
}

}  // namespace
