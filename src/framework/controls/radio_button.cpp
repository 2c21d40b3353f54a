#include "framework/controls/radio_button.h"

#include <vector>

#include "framework/controls/control_canvas.h"
#include "framework/controls/frame_drawing.h"
#include "framework/controls/radio_button_face.h"
#include "framework/core/property_table.h"
#include "framework/graphics/text_layout.h"

namespace {

// Where the caption starts: after the mark and a small gap.
constexpr int kCaptionLeft = kRadioMarkSize + 5;

}  // namespace

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  SetTabStop(value);
  Invalidate();
  if (!value) return;
  UncheckSiblings();
  if (!InState(csLoading)) Click();
}

void TRadioButton::UncheckSiblings() {
  if (Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
    if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
  }
}

TRadioButton* TRadioButton::Sibling(bool forward) const {
  if (Parent() == nullptr) return nullptr;
  std::vector<TWinControl*> order;
  Parent()->GetTabOrderList(order);
  std::vector<TRadioButton*> group;
  for (TWinControl* control : order) {
    auto* radio = dynamic_cast<TRadioButton*>(control);
    if (radio != nullptr && radio->Parent() == Parent() && (radio == this || radio->CanFocus())) {
      group.push_back(radio);
    }
  }
  const auto count = static_cast<int>(group.size());
  for (int i = 0; i < count; ++i) {
    if (group[static_cast<std::size_t>(i)] != this) continue;
    const int next = (i + (forward ? 1 : count - 1)) % count;
    return group[static_cast<std::size_t>(next)];
  }
  return nullptr;
}

bool TRadioButton::KeyDown(int key, TShiftState shift) {
  if (shift != 0) return false;
  if (key == VK_SPACE) {
    SetChecked(true);
    return true;
  }
  if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN) return false;
  TRadioButton* next = Sibling(key == VK_RIGHT || key == VK_DOWN);
  if (next != nullptr && next != this) {
    next->SetFocus();
    next->SetChecked(true);
  }
  return true;
}

void TRadioButton::PaintWindow(HDC dc) {
  TControlCanvas canvas(dc);
  DrawRadioMark(canvas, 0, (Height() - kRadioMarkSize) / 2, checked_, Enabled());
  canvas.Font().Assign(&Font());
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TRect textRect = Rect(kCaptionLeft, 0, Width(), Height());
  canvas.DrawText(Caption(), textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (!Focused()) return;
  // The focus rectangle surrounds the caption's text, one pixel out.
  const TSize text = canvas.TextExtent(Caption());
  const int top = (Height() - text.cy) / 2;
  DrawFocusRect(canvas,
                Rect(kCaptionLeft - 1, top - 1, kCaptionLeft + text.cx + 1, top + text.cy + 1));
}

const TPropertyTable& TRadioButton::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TWinControl::StaticProperties())
          .Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked, false);
  return table;
}
