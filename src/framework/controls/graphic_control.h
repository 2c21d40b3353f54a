#pragma once

#include "framework/controls/control.h"
#include "framework/controls/control_canvas.h"

// A windowless control: it has no window of its own and paints on its parent's surface through
// its own canvas, when its parent paints or when it is sent WM_PAINT with a drawing surface
// (WParam), whose origin and clipping the sender has set to the control's rectangle.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  const char* ClassName() const override { return "TGraphicControl"; }

  // The canvas; it has a surface only while the control paints.
  TCanvas& Canvas() { return canvas_; }

  void WndProc(TMessage& message) override;

 protected:
  // Draws the control on Canvas(), in client coordinates.
  virtual void Paint();

 private:
  TControlCanvas canvas_;
};
