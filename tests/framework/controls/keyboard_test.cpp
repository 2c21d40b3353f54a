#include <gtest/gtest.h>

#include <string>

#include "framework/controls/button.h"
#include "framework/controls/radio_button.h"
#include "headless_fixture.h"

namespace {

// Buttons as on the wizard: Back (hidden at first), Next (default), Close (cancel), and a radio
// button, which is not a button for the purposes of Enter.
class Keyboard : public HeadlessTest {
 protected:
  Keyboard() {
    back_ = AddButton("back", 0);
    next_ = AddButton("next", 1);
    close_ = AddButton("close", 2);
    radio_ = new TRadioButton(form_);
    radio_->SetParent(form_);
    radio_->SetChecked(true);
    radio_->SetTabOrder(3);
    back_->SetVisible(false);
    next_->SetDefault(true);
    close_->SetCancel(true);
    form_->Show();
  }

  TButton* AddButton(const char* name, int tabOrder) {
    auto* button = new TButton(form_);
    button->SetName(name);
    button->SetParent(form_);
    button->SetTabOrder(tabOrder);
    button->SetBounds(tabOrder * 80, 70, 75, 25);
    button->SetOnClick([this, button](TObject*) { clicks_ += button->Name() + ";"; });
    return button;
  }

  void Press(int key, TShiftState shift = 0) {
    backend_.PressKey(NativeOf(form_), key, shift);
    application_->ProcessMessages();
  }

  TForm* form_ = NewForm();
  TButton* back_ = nullptr;
  TButton* next_ = nullptr;
  TButton* close_ = nullptr;
  TRadioButton* radio_ = nullptr;
  std::string clicks_;
};

TEST_F(Keyboard, ShowingFocusesTheFirstControlThatCanTakeIt) {
  EXPECT_EQ(form_->ActiveControl(), next_);
}

TEST_F(Keyboard, TabAndShiftTabFollowTheTabOrderSkippingHiddenControls) {
  Press(VK_TAB);
  EXPECT_EQ(form_->ActiveControl(), close_);
  Press(VK_TAB);
  EXPECT_EQ(form_->ActiveControl(), radio_);
  Press(VK_TAB);
  EXPECT_EQ(form_->ActiveControl(), next_);  // round, past the hidden Back
  Press(VK_TAB, ssShift);
  EXPECT_EQ(form_->ActiveControl(), radio_);
  back_->SetVisible(true);
  Press(VK_TAB);
  EXPECT_EQ(form_->ActiveControl(), back_);
}

TEST_F(Keyboard, EnterActivatesTheFocusedButtonElseTheDefaultButton) {
  close_->SetFocus();
  Press(VK_RETURN);
  EXPECT_EQ(clicks_, "close;");
  radio_->SetFocus();
  Press(VK_RETURN);
  EXPECT_EQ(clicks_, "close;next;");
  EXPECT_TRUE(next_->IsActiveDefault());
  EXPECT_FALSE(close_->IsActiveDefault());
}

TEST_F(Keyboard, EscActivatesTheCancelButtonOnlyWhileItIsVisibleAndEnabled) {
  Press(VK_ESCAPE);
  EXPECT_EQ(clicks_, "close;");
  close_->SetVisible(false);
  Press(VK_ESCAPE);
  close_->SetVisible(true);
  close_->SetEnabled(false);
  Press(VK_ESCAPE);
  EXPECT_EQ(clicks_, "close;");
}

TEST_F(Keyboard, SpaceClicksTheFocusedButton) {
  Press(VK_SPACE);
  EXPECT_EQ(clicks_, "next;");
}

TEST_F(Keyboard, HidingTheFocusedButtonLeavesNoFocusAndEnterGoesToTheDefault) {
  close_->SetFocus();
  close_->SetVisible(false);
  EXPECT_EQ(form_->ActiveControl(), nullptr);
  Press(VK_RETURN);
  EXPECT_EQ(clicks_, "next;");
}

TEST_F(Keyboard, FocusingAHiddenControlIsRefused) {
  EXPECT_THROW(back_->SetFocus(), Exception);
  EXPECT_EQ(form_->ActiveControl(), next_);
}

TEST_F(Keyboard, AltF4AndTheCloseBoxCloseTheFormWhichEndsTheApplication) {
  int closes = 0;
  form_->SetOnClose([&](TObject*, TCloseAction& action) {
    ++closes;
    EXPECT_EQ(action, caHide);
  });
  Press(VK_F4, ssAlt);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(application_->Terminated());
  backend_.RequestClose(NativeOf(form_));
  application_->ProcessMessages();
  EXPECT_EQ(closes, 2);
}

TEST_F(Keyboard, ACloseHandlerThatFailsKeepsTheFormOpen) {
  form_->SetOnClose([](TObject*, TCloseAction&) { throw Exception("Failed to set data for 'x'"); });
  Press(VK_F4, ssAlt);
  EXPECT_FALSE(application_->Terminated());
  ASSERT_EQ(backend_.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend_.MessageBoxes()[0].text, "Failed to set data for 'x'.");
}

TEST_F(Keyboard, ASecondaryFormIsHiddenOnClose) {
  auto* second = NewForm();
  second->Show();
  second->Close();
  EXPECT_FALSE(second->Visible());
  EXPECT_FALSE(application_->Terminated());
}

}  // namespace
