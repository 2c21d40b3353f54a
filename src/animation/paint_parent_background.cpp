#include "animation/paint_parent_background.h"

#include "framework/controls/geometry.h"
#include "framework/controls/win_control.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/device_context.h"

void PaintParentBackground(TControl& control, TCanvas& canvas) {
  TWinControl* parent = control.Parent();
  if (parent == nullptr) return;
  HDC dc = canvas.Handle();
  {
    TSavedDCState saved(dc);
    OffsetViewportAndClip(dc, -control.Left(), -control.Top(), parent->ClientWidth(),
                          parent->ClientHeight());
    parent->PaintWindow(dc);
  }
  const TRect bounds = control.BoundsRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* sibling = parent->Controls(i);
    if (sibling == nullptr || dynamic_cast<TWinControl*>(sibling) != nullptr) continue;
    if (sibling == &control) break;
    if (IntersectRect(sibling->BoundsRect(), bounds).IsEmpty() || !sibling->Visible()) continue;
    TSavedDCState saved(dc);
    OffsetViewportAndClip(dc, sibling->Left() - control.Left(), sibling->Top() - control.Top(),
                          sibling->Width(), sibling->Height());
    sibling->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}
