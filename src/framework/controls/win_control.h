#pragma once

#include <vector>

#include "framework/controls/control.h"
#include "framework/core/list.h"
#include "framework/platform/handles.h"

// A control with a window: it holds child controls, can take the keyboard focus and has a window
// handle for messages, created on first use.
//
// Children keep two lists in paint order, the first at the bottom: windowless controls, then
// windowed ones, so that every windowed child lies above every windowless sibling. Controls(i)
// walks both in that order. A separate tab list orders the windowed children for the keyboard.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  int ControlCount() const;
  TControl* Controls(int index) const;
  // True when control is this control or lies somewhere inside it.
  bool ContainsControl(const TControl* control) const;
  // The topmost visible child (windowless ones included) under a point of the client area; with
  // allowDisabled false, disabled children are passed over. Looks one level deep only.
  TControl* ControlAtPos(TPoint point, bool allowDisabled) const;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // Visible and enabled, and so are all its parents below the top-level control (a form that is
  // not shown yet may already be given its focused control).
  virtual bool CanFocus() const;
  // Buttons take the focus when clicked; containers do not.
  virtual bool FocusOnClick() const { return false; }
  bool Focused() const;
  // Makes this control the focused control of its form.
  virtual void SetFocus();
  // Every windowed control inside this one, in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;

  // Paints the control's own content (no background, no children) on dc, in client coordinates.
  virtual void PaintWindow(HDC dc);
  // Paints the control and everything in it on dc, in client coordinates: the background, its
  // own content, its visible windowless children in list order, then its windowed children. Only
  // what lies in dc's clipping area is drawn, and what an opaque windowless child covers there is
  // left to it. WM_PAINT with a surface does the same.
  void PaintTo(HDC dc);

  // Called for the focused control before the form's own key handling; true when it used the key.
  virtual bool KeyDown(int key, TShiftState shift);

  void WndProc(TMessage& message) override;
  void ChangeScale(int numerator, int denominator) override;
  void Loaded() override;

  void Invalidate() override;
  // Invalid areas travel up to the top-level control, which paints them (TForm).
  virtual void InvalidateArea(const TRect& clientRect);
  virtual void PaintPending();

 protected:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void MoveControl(TControl* control, bool toFront);
  // A control became a child of this one, or stopped being one.
  virtual void ChildInserted(TControl*) {}
  virtual void ChildRemoved(TControl*) {}
  // A control inside this one is leaving the tree or going away; the form forgets it.
  virtual void ControlRemoving(TControl* control);
  // A control inside this one can no longer take the focus (hidden or disabled).
  virtual void FocusLost(TControl* control);
  // The top-level control keeps the focus (TForm); these reach it from any control inside.
  virtual TWinControl* FocusedControl() const;
  virtual void FocusControl(TWinControl* control);
  // The client area changed size; containers re-fit their children.
  virtual void Resized() {}
  virtual void CreateHandle();
  // Fills the client area with Color.
  virtual void EraseBackground(HDC dc);
  void VisibleChanged() override;
  void EnabledChanged() override;
  void ColorChanged() override;
  void FontChanged() override;

 private:
  void FixupTabOrder();
  // The index of the topmost visible csOpaque windowless child holding all of clipBox, or -1.
  int OpaqueCover(const TRect& clipBox) const;

  TList<TControl> graphicControls_;
  TList<TWinControl> winControls_;
  std::vector<TWinControl*> tabList_;
  HWND handle_ = nullptr;
  int storedTabOrder_ = -1;  // as read from form data, applied once loading ends
  bool tabStop_ = false;
};
