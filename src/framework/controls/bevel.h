#pragma once

#include "framework/controls/graphic_control.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A sunken or raised box, frame or line in the 3D colours of buttons. A box is one edge round the
// control; a frame is a groove (lowered) or a ridge (raised) of two edges.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* owner);
  const char* ClassName() const override { return "TBevel"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle value);

 protected:
  void Paint() override;

 private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};
