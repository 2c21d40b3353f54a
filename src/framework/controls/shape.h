#pragma once

#include "framework/controls/graphic_control.h"
#include "framework/graphics/brush.h"
#include "framework/graphics/pen.h"

enum TShapeType { stRectangle, stSquare };

// A rectangle (or the largest square that fits) outlined with Pen and filled with Brush. The
// outline lies inside the control, so a shape 1 pixel wide or high is a 1-pixel line in the
// pen's colour; a clear brush leaves the inside alone.
class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);
  const char* ClassName() const override { return "TShape"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType value);
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }

 protected:
  void Paint() override;

 private:
  TShapeType shape_ = stRectangle;
  TPen pen_;
  TBrush brush_;
};
