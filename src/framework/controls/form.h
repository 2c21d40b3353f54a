#pragma once

#include <functional>
#include <string>

#include "framework/controls/win_control.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/platform/input_event.h"

class TButton;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// The title bar's buttons, as bit numbers of a set.
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = unsigned;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// A top-level window: the root of a tree of controls, shown in a native window of the window
// backend. It keeps the keyboard focus (ActiveControl) and the mouse capture for its controls,
// turns the backend's input into messages for them, handles the dialog keys (Tab, Enter, Esc,
// Alt+F4), collects invalid areas and paints them into its back buffer when the message loop is
// idle (or at once on Update), then presents the buffer.
//
// A form's size is its client size; the frame belongs to the native window. Left and Top are
// screen positions, overridden by poScreenCenter.
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  void SetClientWidth(int value) { SetWidth(value); }
  void SetClientHeight(int value) { SetHeight(value); }

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value) { borderStyle_ = value; }
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value) { borderIcons_ = value; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle value) { formStyle_ = value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  // The pixels per inch the stored positions, sizes and fonts were made for.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int value) { textHeight_ = value; }
  // The window's icon; an empty one shows the platform's default.
  TIcon& Icon() { return icon_; }

  // Reads the form's stored description (the resource named after its class, upper-cased) into
  // the form and scales it to the screen. Forms built in code override it.
  virtual void ReadFormData();
  // Scales what was stored for PixelsPerInch to the screen's pixels per inch (once; afterwards
  // PixelsPerInch is the screen's).
  void ScaleToScreen();
  // Fires OnCreate once the form is complete; an exception there is shown by the application
  // and creation goes on.
  void AfterConstruction();

  bool Active() const { return active_; }

  TWinControl* ActiveControl() const { return activeControl_; }
  // Raises EInvalidOperation when the control is not on this form or cannot take the focus.
  void SetActiveControl(TWinControl* control);
  void SelectFirst();
  // Moves the focus to the next (or previous) control in tab order after current.
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
  // The button that Enter and Esc activate, if any (the first in the form's tab order).
  TButton* DefaultButton() const;
  TButton* CancelButton() const;

  // Raises OnClose with the action caHide; unless the handler answers caNone, ends the
  // application for its main form, or hides (caHide, caMinimize) or frees (caFree) the form.
  void Close();
  // Frees the form once the message loop gets to it (from a handler of its own).
  void Release();

  void HandleInput(const TInputEvent& event);
  // Dialog keys after the focused control has passed on them; true when the key was used.
  bool DialogKey(int key, TShiftState shift);
  // Shows the cursor of the control under the pointer (or the screen's, when it is set).
  void UpdateCursor(bool force = false);

  void InvalidateArea(const TRect& clientRect) override;
  // Paints the invalid area into the back buffer and presents it.
  void PaintPending() override;
  // The client area as last painted: a 32-bit bitmap of the client size.
  TBitmap& BackBuffer() { return backBuffer_; }
  bool PaintIsPending() const { return !invalid_.IsEmpty(); }
  TRect InvalidRect() const { return invalid_; }

  void WndProc(TMessage& message) override;

  void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }
  void SetOnShow(TNotifyEvent handler) { onShow_ = std::move(handler); }
  void SetOnHide(TNotifyEvent handler) { onHide_ = std::move(handler); }
  void SetOnClose(TCloseEvent handler) { onClose_ = std::move(handler); }
  // A close handler bound from form data, which takes only the sender: the action stays as the
  // framework set it.
  void SetOnCloseNotify(TNotifyEvent handler);
  void SetOnActivate(TNotifyEvent handler) { onActivate_ = std::move(handler); }
  void SetOnDeactivate(TNotifyEvent handler) { onDeactivate_ = std::move(handler); }

  // Called by the screen when the form gains or loses the active state.
  void Activated();
  void Deactivated();

 protected:
  void CreateHandle() override;
  void VisibleChanged() override;
  void TextChanged() override;
  void Resized() override;
  void ControlRemoving(TControl* control) override;
  void FocusLost(TControl* control) override;
  TWinControl* FocusedControl() const override { return activeControl_; }
  void FocusControl(TWinControl* control) override { SetActiveControl(control); }

 private:
  void ShowWindowNow();
  void HideWindowNow();
  TNativeWindow* Native();
  // The deepest control under a point of the client area.
  TControl* ControlAtPoint(TPoint point) const;
  void HandleMouse(const TInputEvent& event);
  void HandleKey(const TInputEvent& event);
  void SendMouseMessage(TControl* target, unsigned msg, const TInputEvent& event);
  void FocusChanged(TWinControl* previous);
  TButton* FindButton(bool wantDefault) const;
  void FireEvent(const TNotifyEvent& handler);

  void IconChanged();
  void Present();
  // The window's pixels were lost (uncovered, or shown for the first time).
  void PresentAgain();
  // WM_QUERYNEWPALETTE: realises the first palette a control reports; true when one did.
  bool RealizeControlPalette();

  TBitmap backBuffer_;
  TIcon icon_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = 1u << biSystemMenu | 1u << biMinimize | 1u << biMaximize;
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  int pixelsPerInch_ = 0;
  int textHeight_ = 0;
  bool active_ = false;
  TWinControl* activeControl_ = nullptr;
  TControl* captured_ = nullptr;  // receives the mouse until the button is released
  TControl* hovered_ = nullptr;   // under the pointer
  HCURSOR shownCursor_ = nullptr;
  TRect invalid_;
  bool painting_ = false;
  TNotifyEvent onCreate_;
  TNotifyEvent onShow_;
  TNotifyEvent onHide_;
  TCloseEvent onClose_;
  TNotifyEvent onActivate_;
  TNotifyEvent onDeactivate_;
};

// The form a control lies on, or none.
TForm* GetParentForm(const TControl* control);
