#include "framework/controls/radio_button.h"

#include <gtest/gtest.h>

#include <string>

#include "headless_fixture.h"

namespace {

class RadioGroup : public HeadlessTest {
 protected:
  RadioGroup() {
    form_->SetCaption("Radio");
    tray_ = Add("tray", form_, 10);
    floating_ = Add("floating", form_, 40);
    other_ = Add("other", new TWinControl(form_), 0);  // another parent: another group
    other_->Parent()->SetParent(form_);
    other_->Parent()->SetBounds(0, 60, 100, 30);
  }

  TRadioButton* Add(const char* name, TWinControl* parent, int top) {
    auto* radio = new TRadioButton(form_);
    radio->SetName(name);
    radio->SetParent(parent);
    radio->SetBounds(0, top, 100, 17);
    radio->SetOnClick([this, radio](TObject*) { clicks_ += radio->Name() + ";"; });
    return radio;
  }

  TForm* form_ = NewForm();
  TRadioButton* tray_ = nullptr;
  TRadioButton* floating_ = nullptr;
  TRadioButton* other_ = nullptr;
  std::string clicks_;
};

TEST_F(RadioGroup, CheckingOneUnchecksItsSiblingsOnlyAndRaisesItsClick) {
  other_->SetChecked(true);
  tray_->SetChecked(true);
  clicks_.clear();
  floating_->SetChecked(true);
  EXPECT_TRUE(floating_->Checked());
  EXPECT_FALSE(tray_->Checked());
  EXPECT_TRUE(other_->Checked());
  EXPECT_EQ(clicks_, "floating;");
}

TEST_F(RadioGroup, WritingTheSameValueDoesNothing) {
  tray_->SetChecked(true);
  clicks_.clear();
  tray_->SetChecked(true);
  floating_->SetChecked(false);
  EXPECT_EQ(clicks_, "");
  // Unchecking raises no click either.
  tray_->SetChecked(false);
  EXPECT_EQ(clicks_, "");
}

TEST_F(RadioGroup, NoClickWhileLoading) {
  tray_->IncludeState(csLoading);
  tray_->SetChecked(true);
  EXPECT_EQ(clicks_, "");
  EXPECT_TRUE(tray_->Checked());
}

TEST_F(RadioGroup, TheCheckedButtonIsTheGroupsTabStop) {
  tray_->SetChecked(true);
  EXPECT_TRUE(tray_->TabStop());
  EXPECT_FALSE(floating_->TabStop());
  floating_->SetChecked(true);
  EXPECT_FALSE(tray_->TabStop());
  EXPECT_TRUE(floating_->TabStop());
}

TEST_F(RadioGroup, ClickingChecksAndClickingACheckedButtonChangesNothing) {
  tray_->SetChecked(true);
  form_->Show();
  clicks_.clear();
  backend_.Click(NativeOf(form_), 5, 45);
  application_->ProcessMessages();
  EXPECT_TRUE(floating_->Checked());
  EXPECT_EQ(clicks_, "floating;");
  EXPECT_EQ(form_->ActiveControl(), floating_);
  backend_.Click(NativeOf(form_), 5, 45);
  application_->ProcessMessages();
  EXPECT_EQ(clicks_, "floating;");
}

TEST_F(RadioGroup, ArrowKeysMoveTheFocusAndTheCheckWithinTheGroup) {
  tray_->SetChecked(true);
  form_->Show();
  tray_->SetFocus();
  clicks_.clear();
  backend_.PressKey(NativeOf(form_), VK_DOWN);
  application_->ProcessMessages();
  EXPECT_EQ(form_->ActiveControl(), floating_);
  EXPECT_TRUE(floating_->Checked());
  EXPECT_EQ(clicks_, "floating;");
  backend_.PressKey(NativeOf(form_), VK_DOWN);  // wraps round within its own parent
  application_->ProcessMessages();
  EXPECT_EQ(form_->ActiveControl(), tray_);
}

}  // namespace
