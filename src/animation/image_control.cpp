#include "animation/image_control.h"

#include "framework/controls/form.h"
#include "framework/controls/message_queue.h"

TImageControl::TImageControl(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks | csReplicatable);
  SetBounds(Left(), Top(), 105, 105);
  SetParentColor(true);
}

void TImageControl::PaintContent() {
  const bool previous = paintInProgress_;
  paintInProgress_ = true;
  try {
    RenderContent();
  } catch (...) {
    paintInProgress_ = previous;
    throw;
  }
  paintInProgress_ = previous;
}

bool TImageControl::RequestPaletteRealization() {
  if (!Visible() || InState(csLoading) || InState(csDestroying) || paletteGraphic_ == nullptr ||
      ControlPalette() == nullptr) {
    return false;
  }
  TForm* form = GetParentForm(this);
  if (form == nullptr || !form->Active() || !form->HandleAllocated()) return false;
  if (paintInProgress_) {
    SendMessage(form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
  } else {
    PostMessage(form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
  }
  return true;
}

void TImageControl::ContentChanged() {
  if (paletteGraphic_ != nullptr && RequestPaletteRealization() && paintInProgress_ &&
      Parent() != nullptr) {
    Parent()->Update();
  }
  if (!paintInProgress_) Invalidate();
}
