#pragma once

#include <functional>
#include <string>

#include "framework/controls/cursor_numbers.h"
#include "framework/core/component.h"
#include "framework/graphics/color.h"
#include "framework/graphics/font.h"
#include "framework/graphics/handles.h"
#include "framework/graphics/types.h"
#include "framework/platform/input_event.h"
#include "framework/platform/window_message.h"

class TWinControl;
class TPropertyTable;

// What a control does by itself; several may hold at once.
using TControlStyle = unsigned;
inline constexpr TControlStyle csAcceptsControls = 1u << 0;  // may be the parent of controls
inline constexpr TControlStyle csCaptureMouse = 1u << 1;     // keeps the mouse while pressed
inline constexpr TControlStyle csClickEvents = 1u << 2;      // press and release make a click
inline constexpr TControlStyle csOpaque = 1u << 3;           // paints its whole rectangle
inline constexpr TControlStyle csDoubleClicks = 1u << 4;
inline constexpr TControlStyle csReplicatable = 1u << 5;

using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// A visual component: a rectangle within its parent control, with visibility, enabling, caption,
// colour, cursor and mouse events. It receives messages through Perform / WndProc; windowless
// controls (TGraphicControl) paint on their parent's surface, windowed ones (TWinControl) hold
// children and the keyboard focus.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  TWinControl* Parent() const { return parent_; }
  // Leaves the old parent's child list and is appended to the new one's, so it paints above its
  // new siblings of its kind.
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // Moves and sizes in one step: one repaint, and WM_SIZE when the size changed.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
  // The client area's top-left corner in the coordinates of the top-level control.
  TPoint OriginInTopLevel() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  // The control's font; with ParentFont it follows the parent's, until the control's own font is
  // changed.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle value) { controlStyle_ = value; }

  // Schedules a repaint of the control's area; the message loop paints it when idle.
  virtual void Invalidate();
  // Paints whatever is scheduled in the control's top-level window now.
  void Update();
  // Invalidate and Update.
  void Repaint();

  // Moves the control to the end (front) or the start (back) of its parent's child list.
  void BringToFront();
  void SendToBack();

  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
  void SetOnMouseDown(TMouseEvent handler) { onMouseDown_ = std::move(handler); }
  void SetOnMouseUp(TMouseEvent handler) { onMouseUp_ = std::move(handler); }
  void SetOnMouseMove(TMouseMoveEvent handler) { onMouseMove_ = std::move(handler); }

  // Delivers a message to the control at once.
  LRESULT Perform(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);

  // The palette the control shows, for palette realisation by its form; none by default.
  virtual HPALETTE ControlPalette() { return nullptr; }

  // Raises OnClick.
  virtual void Click();
  // A click by the user (mouse, or the keyboard on a button). A radio button checks itself
  // instead of clicking directly.
  virtual void ClickByUser() { Click(); }

  // Scales position, size and font by numerator / denominator (screen ppi / stored ppi).
  virtual void ChangeScale(int numerator, int denominator);

  void Loaded() override;

 protected:
  friend class TWinControl;
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  // Notifications after a property changed; each invalidates by default where it matters.
  virtual void TextChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void VisibleChanged() {}
  virtual void FontChanged();
  // The parent's colour or font changed (or the control has a new parent).
  virtual void ParentColorChanged();
  virtual void ParentFontChanged();

  // The area of the control in its parent's client coordinates that a change of this control
  // makes stale.
  void InvalidateInParent(const TRect& rect);
  void SetColorFromParent(TColor value);

 private:
  void HandleMouseMessage(const TMessage& message);

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool clicked_ = false;  // pressed on this control and not yet released
  std::string caption_;
  TColor color_ = clWindow;
  bool parentColor_ = true;
  TFont font_;
  bool parentFont_ = true;
  bool takingParentFont_ = false;  // the font changes because the parent's did
  TCursor cursor_ = crDefault;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
  TNotifyEvent onClick_;
  TMouseEvent onMouseDown_;
  TMouseEvent onMouseUp_;
  TMouseMoveEvent onMouseMove_;
};
