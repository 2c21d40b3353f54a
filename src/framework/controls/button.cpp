#include "framework/controls/button.h"

#include "framework/controls/control_canvas.h"
#include "framework/controls/form.h"
#include "framework/controls/frame_drawing.h"
#include "framework/controls/geometry.h"
#include "framework/core/property_table.h"
#include "framework/graphics/text_layout.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  Invalidate();
}

bool TButton::IsActiveDefault() const {
  const TForm* form = GetParentForm(this);
  if (form == nullptr) return false;
  const TWinControl* focused = form->ActiveControl();
  if (focused == this) return true;
  return default_ && dynamic_cast<const TButton*>(focused) == nullptr;
}

bool TButton::KeyDown(int key, TShiftState shift) {
  if (key != VK_SPACE || shift != 0) return false;
  ClickByUser();
  return true;
}

void TButton::SetPressed(bool value) {
  if (pressed_ == value) return;
  pressed_ = value;
  Invalidate();
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) SetPressed(true);
  TWinControl::MouseDown(button, shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) SetPressed(false);
  TWinControl::MouseUp(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
  if ((shift & ssLeft) != 0) SetPressed(PtInRect(ClientRect(), {x, y}));
  TWinControl::MouseMove(shift, x, y);
}

void TButton::PaintWindow(HDC dc) {
  TControlCanvas canvas(dc);
  TRect rect = ClientRect();
  if (IsActiveDefault()) DrawFrame(canvas, rect, clWindowFrame);
  if (pressed_) {
    DrawFrame(canvas, rect, clBtnShadow);
  } else {
    DrawEdge3D(canvas, rect, clBtnHighlight, cl3DDkShadow);
    DrawEdge3D(canvas, rect, cl3DLight, clBtnShadow);
  }
  canvas.Font().Assign(&Font());
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  // A pressed face shows its caption one pixel down and to the right.
  TRect textRect = pressed_ ? OffsetRect(rect, 1, 1) : rect;
  canvas.DrawText(Caption(), textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (Focused()) DrawFocusRect(canvas, InflateRect(ClientRect(), -4, -4));
}

const TPropertyTable& TButton::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TWinControl::StaticProperties())
          .Boolean("Default", &TButton::Default, &TButton::SetDefault, false)
          .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
          .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone);
  return table;
}
