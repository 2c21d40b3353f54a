#pragma once

#include "framework/controls/modal_result.h"
#include "framework/controls/win_control.h"

// A push button. Enter activates the focused button, or the default button while the focus is on
// a control that is not a button; Esc activates the cancel button. Drawn raised, with a dark frame
// while Enter would activate it and a dotted focus rectangle while it has the focus.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  const char* ClassName() const override { return "TButton"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  // Enter would activate this button: it has the focus, or it is the default button and the
  // focus is not on another button.
  bool IsActiveDefault() const;

  bool FocusOnClick() const override { return true; }
  bool KeyDown(int key, TShiftState shift) override;
  void PaintWindow(HDC dc) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

 private:
  void SetPressed(bool value);

  bool pressed_ = false;  // held down by the mouse, with the pointer over it
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
};
