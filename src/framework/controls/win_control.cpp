#include "framework/controls/win_control.h"

#include <algorithm>

#include "framework/controls/control_canvas.h"
#include "framework/controls/geometry.h"
#include "framework/controls/window_handles.h"
#include "framework/core/property_table.h"
#include "framework/graphics/device_context.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  // Children go with their parent, whoever owns them; each leaves this control's lists itself.
  while (ControlCount() > 0)
    delete Controls(ControlCount() - 1);
  // Leave the parent while this is still a TWinControl, so the parent finds it in the right list.
  SetParent(nullptr);
  DeallocateHWnd(handle_);
}

int TWinControl::ControlCount() const {
  return graphicControls_.Count() + winControls_.Count();
}

TControl* TWinControl::Controls(int index) const {
  if (index < graphicControls_.Count()) return graphicControls_.Items(index);
  return winControls_.Items(index - graphicControls_.Count());
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c != nullptr; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled) const {
  for (int i = ControlCount() - 1; i >= 0; --i) {
    TControl* control = Controls(i);
    if (control->Visible() && (allowDisabled || control->Enabled()) &&
        PtInRect(control->BoundsRect(), point)) {
      return control;
    }
  }
  return nullptr;
}

HWND TWinControl::Handle() {
  if (handle_ == nullptr) CreateHandle();
  return handle_;
}

void TWinControl::CreateHandle() {
  handle_ = AllocateHWnd([this](TMessage& message) { WndProc(message); });
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (InState(csReading) || Parent() == nullptr) {
    storedTabOrder_ = value;
    return;
  }
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  const int position = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + position, this);
}

void TWinControl::FixupTabOrder() {
  // Stored tab orders were read one control at a time; apply them all at once, lowest first, so
  // that each lands where the form data put it.
  std::vector<TWinControl*> byStoredOrder = tabList_;
  std::stable_sort(byStoredOrder.begin(), byStoredOrder.end(),
                   [](const TWinControl* a, const TWinControl* b) {
                     return a->storedTabOrder_ < b->storedTabOrder_;
                   });
  for (TWinControl* control : byStoredOrder) {
    if (control->storedTabOrder_ >= 0) control->SetTabOrder(control->storedTabOrder_);
    control->storedTabOrder_ = -1;
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c->Parent() != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const {
  const TWinControl* top = this;
  while (top->Parent() != nullptr)
    top = top->Parent();
  return top->FocusedControl() == this;
}

void TWinControl::SetFocus() {
  TWinControl* top = this;
  while (top->Parent() != nullptr)
    top = top->Parent();
  top->FocusControl(this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

void TWinControl::PaintWindow(HDC) {}

namespace {

// Paints a child with the surface's origin moved to the child's corner and clipped to it.
void PaintChild(TControl* child, HDC dc, const TRect& clipBox) {
  if (!child->Visible() || IntersectRect(child->BoundsRect(), clipBox).IsEmpty()) return;
  TSavedDCState saved(dc);
  if (OffsetViewportAndClip(dc, child->Left(), child->Top(), child->Width(), child->Height()) ==
      NULLREGION) {
    return;
  }
  child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
}

}  // namespace

void TWinControl::PaintTo(HDC dc) {
  TRect clipBox;
  if (GetClipBox(dc, &clipBox) == NULLREGION) return;
  // A windowless child that paints its whole rectangle (csOpaque) and covers all there is to
  // paint hides the background, this control's own painting and the children below it: they are
  // left out, as an animation over a large picture repaints only itself at each step.
  const int first = OpaqueCover(clipBox);
  if (first < 0) {
    EraseBackground(dc);
    PaintWindow(dc);
  }
  for (int i = std::max(first, 0); i < graphicControls_.Count(); ++i)
    PaintChild(graphicControls_.Items(i), dc, clipBox);
  for (TWinControl* child : winControls_)
    PaintChild(child, dc, clipBox);
}

int TWinControl::OpaqueCover(const TRect& clipBox) const {
  for (int i = graphicControls_.Count() - 1; i >= 0; --i) {
    const TControl* child = graphicControls_.Items(i);
    if (child->Visible() && (child->ControlStyle() & csOpaque) != 0 &&
        IntersectRect(child->BoundsRect(), clipBox) == clipBox) {
      return i;
    }
  }
  return -1;
}

void TWinControl::EraseBackground(HDC dc) {
  TControlCanvas canvas(dc);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(ClientRect());
}

bool TWinControl::KeyDown(int, TShiftState) {
  return false;
}

void TWinControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    PaintTo(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  if (message.Msg == WM_SIZE) Resized();
  TControl::WndProc(message);
}

void TWinControl::ChangeScale(int numerator, int denominator) {
  // Children first: a container that fits its children to itself (a notebook its pages) then
  // fits them to its own new size last.
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->ChangeScale(numerator, denominator);
  TControl::ChangeScale(numerator, denominator);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  FixupTabOrder();
}

void TWinControl::Invalidate() {
  if (Parent() == nullptr) {
    InvalidateArea(ClientRect());
  } else {
    TControl::Invalidate();
  }
}

void TWinControl::InvalidateArea(const TRect& clientRect) {
  if (!Visible() || Parent() == nullptr) return;
  const TRect visible = IntersectRect(clientRect, ClientRect());
  if (!visible.IsEmpty()) Parent()->InvalidateArea(OffsetRect(visible, Left(), Top()));
}

void TWinControl::PaintPending() {
  if (Parent() != nullptr) Parent()->PaintPending();
}

TWinControl* TWinControl::FocusedControl() const {
  return nullptr;
}

void TWinControl::FocusControl(TWinControl*) {}

void TWinControl::InsertControl(TControl* control) {
  if (auto* winControl = dynamic_cast<TWinControl*>(control)) {
    winControls_.Add(winControl);
    tabList_.push_back(winControl);
  } else {
    graphicControls_.Add(control);
  }
  control->parent_ = this;
  ChildInserted(control);
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  control->Invalidate();
  ControlRemoving(control);
  // Compared as TControl pointers: a control being destroyed may no longer be its derived type.
  graphicControls_.Remove(control);
  const auto windowed = std::find_if(winControls_.begin(), winControls_.end(),
                                     [control](const TWinControl* w) { return w == control; });
  if (windowed != winControls_.end()) {
    TWinControl* winControl = *windowed;
    winControls_.Remove(winControl);
    std::erase(tabList_, winControl);
  }
  control->parent_ = nullptr;
  ChildRemoved(control);
}

void TWinControl::MoveControl(TControl* control, bool toFront) {
  const int graphicIndex = graphicControls_.IndexOf(control);
  if (graphicIndex >= 0) {
    graphicControls_.Move(graphicIndex, toFront ? graphicControls_.Count() - 1 : 0);
    return;
  }
  for (int i = 0; i < winControls_.Count(); ++i) {
    if (winControls_[i] == control) {
      winControls_.Move(i, toFront ? winControls_.Count() - 1 : 0);
      return;
    }
  }
}

void TWinControl::ControlRemoving(TControl* control) {
  if (Parent() != nullptr) Parent()->ControlRemoving(control);
}

void TWinControl::FocusLost(TControl* control) {
  if (Parent() != nullptr) Parent()->FocusLost(control);
}

void TWinControl::VisibleChanged() {
  TControl::VisibleChanged();
  if (!Visible()) FocusLost(this);
}

void TWinControl::EnabledChanged() {
  TControl::EnabledChanged();
  if (!Enabled()) FocusLost(this);
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->ParentColorChanged();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->ParentFontChanged();
}

const TPropertyTable& TWinControl::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TControl::StaticProperties())
          .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
          .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
  return table;
}
