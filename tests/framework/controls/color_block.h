#pragma once

#include "framework/controls/graphic_control.h"
#include "framework/controls/win_control.h"

// A windowless control on parent that fills its rectangle with one colour and counts its paints;
// extraStyle adds to its control style (csOpaque, for one).
class ColorBlock : public TGraphicControl {
 public:
  ColorBlock(TComponent* owner, TWinControl* parent, TRect bounds, TColor color,
             TControlStyle extraStyle = 0)
      : TGraphicControl(owner), color_(color) {
    SetControlStyle(ControlStyle() | extraStyle);
    SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    SetParent(parent);
  }
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(color_);
    Canvas().FillRect(ClientRect());
  }

 private:
  TColor color_;
};
