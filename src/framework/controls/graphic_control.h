#pragma once

#include "framework/controls/control.h"

// A windowless control: it has no window of its own and paints on its parent's surface, when its
// parent paints or when it is sent WM_PAINT with a drawing surface.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  const char* ClassName() const override { return "TGraphicControl"; }

  void WndProc(TMessage& message) override;

 protected:
  // Draws the control on dc, in client coordinates.
  virtual void Paint(HDC dc);
};
