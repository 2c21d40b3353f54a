#pragma once

#include "framework/controls/win_control.h"

// A radio button. Radio buttons with the same parent form one group: checking one unchecks the
// others. Clicking it, or pressing Space or an arrow key on it, checks it.
class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);
  const char* ClassName() const override { return "TRadioButton"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  bool Checked() const { return checked_; }
  // A change to true unchecks the siblings and raises the click (not while loading); a checked
  // button is the group's tab stop. Writing the value it already has does nothing.
  void SetChecked(bool value);

  void ClickByUser() override { SetChecked(true); }
  bool FocusOnClick() const override { return true; }
  bool KeyDown(int key, TShiftState shift) override;
  void PaintWindow(HDC dc) override;

 private:
  void UncheckSiblings();
  TRadioButton* Sibling(bool forward) const;

  bool checked_ = false;
};
