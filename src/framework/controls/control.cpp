#include "framework/controls/control.h"

#include "framework/controls/cursor_property.h"
#include "framework/controls/geometry.h"
#include "framework/controls/win_control.h"
#include "framework/core/property_table.h"
#include "framework/graphics/color_ident.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.SetOnChange([this](TObject*) { FontChanged(); });
}

TControl::~TControl() {
  Destroying();
  SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent || parent == this) return;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) {
    parent->InsertControl(this);
    ParentColorChanged();
    ParentFontChanged();
  }
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* winControl = dynamic_cast<TWinControl*>(parent)) SetParent(winControl);
}

TComponent* TControl::GetParentComponent() const {
  return parent_;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const TRect old = BoundsRect();
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (visible_) InvalidateInParent(UnionRect(old, BoundsRect()));
  if (resized) Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(width, height));
}

TPoint TControl::OriginInTopLevel() const {
  TPoint origin;
  for (const TControl* control = this; control->parent_ != nullptr; control = control->parent_) {
    origin.x += control->left_;
    origin.y += control->top_;
  }
  return origin;
}

void TControl::SetVisible(bool value) {
  if (visible_ == value) return;
  if (visible_) InvalidateInParent(BoundsRect());
  visible_ = value;
  if (visible_) InvalidateInParent(BoundsRect());
  VisibleChanged();
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  EnabledChanged();
}

void TControl::SetCaption(const std::string& value) {
  if (caption_ == value) return;
  caption_ = value;
  TextChanged();
}

void TControl::SetColor(TColor value) {
  parentColor_ = false;
  if (color_ == value) return;
  color_ = value;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (parentColor_ && parent_ != nullptr) SetColorFromParent(parent_->Color());
}

void TControl::SetColorFromParent(TColor value) {
  if (color_ == value) return;
  color_ = value;
  ColorChanged();
}

void TControl::SetParentFont(bool value) {
  if (parentFont_ == value) return;
  parentFont_ = value;
  ParentFontChanged();
}

void TControl::FontChanged() {
  if (!takingParentFont_) parentFont_ = false;
  Invalidate();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || parent_ == nullptr) return;
  takingParentFont_ = true;
  try {
    font_.Assign(&parent_->Font());
  } catch (...) {
    takingParentFont_ = false;
    throw;
  }
  takingParentFont_ = false;
}

void TControl::SetCursor(TCursor value) {
  cursor_ = value;
}

void TControl::Invalidate() {
  if (visible_) InvalidateInParent(BoundsRect());
}

void TControl::Update() {
  // A top-level control paints its own pending area.
  TWinControl* top = parent_ != nullptr ? parent_ : dynamic_cast<TWinControl*>(this);
  if (top != nullptr) top->PaintPending();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::InvalidateInParent(const TRect& rect) {
  if (parent_ == nullptr || InState(csDestroying) || parent_->InState(csDestroying)) return;
  parent_->InvalidateArea(rect);
}

void TControl::BringToFront() {
  if (parent_ == nullptr) return;
  parent_->MoveControl(this, true);
  Invalidate();
}

void TControl::SendToBack() {
  if (parent_ == nullptr) return;
  parent_->MoveControl(this, false);
  Invalidate();
}

LRESULT TControl::Perform(unsigned msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouseMessage(message);
      break;
    default:
      break;
  }
}

// Mouse messages carry the shift state in WParam and the client position in LParam.
void TControl::HandleMouseMessage(const TMessage& message) {
  const auto shift = static_cast<TShiftState>(message.WParam);
  const int x = LowWord(message.LParam);
  const int y = HighWord(message.LParam);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if ((controlStyle_ & csClickEvents) != 0) clicked_ = true;
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      const bool click = clicked_ && PtInRect(ClientRect(), {x, y});
      clicked_ = false;
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      // Last: the click's handler may hide, move or even free the control.
      if (click) ClickByUser();
      break;
    }
    case WM_RBUTTONDOWN:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    default:
      MouseMove(shift, x, y);
      break;
  }
}

void TControl::Click() {
  if (onClick_) onClick_(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (onMouseDown_) onMouseDown_(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (onMouseUp_) onMouseUp_(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (onMouseMove_) onMouseMove_(this, shift, x, y);
}

void TControl::ChangeScale(int numerator, int denominator) {
  const int left = MulDiv(left_, numerator, denominator);
  const int top = MulDiv(top_, numerator, denominator);
  // Scaling the far edges rather than the sizes keeps neighbouring controls touching.
  const int width = MulDiv(left_ + width_, numerator, denominator) - left;
  const int height = MulDiv(top_ + height_, numerator, denominator) - top;
  SetBounds(left, top, width, height);
  if (!parentFont_) font_.SetHeight(MulDiv(font_.Height(), numerator, denominator));
}

void TControl::Loaded() {
  TComponent::Loaded();
  ParentColorChanged();
  ParentFontChanged();
}

const TPropertyTable& TControl::StaticProperties() {
  static const TPropertyTable table = [] {
    TPropertyTable t;
    t.Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .String("Caption", &TControl::Caption, &TControl::SetCaption, std::string())
        .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
        .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
        .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .Event("OnClick", &TControl::SetOnClick);
    AddColorProperty(t, "Color", &TControl::Color, &TControl::SetColor);
    AddCursorProperty(t, "Cursor", &TControl::Cursor, &TControl::SetCursor);
    return t;
  }();
  return table;
}
