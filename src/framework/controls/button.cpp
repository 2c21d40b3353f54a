#include "framework/controls/button.h"

#include "framework/controls/form.h"
#include "framework/core/property_table.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(static_cast<TColor>(0x8000000Fu));
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

void TButton::PaintWindow(HDC) {}

const TPropertyTable& TButton::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TWinControl::StaticProperties())
          .Boolean("Default", &TButton::Default, &TButton::SetDefault, false)
          .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
          .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone);
  return table;
}
