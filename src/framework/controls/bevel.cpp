#include "framework/controls/bevel.h"

#include <utility>

#include "framework/controls/frame_drawing.h"
#include "framework/core/property_table.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csReplicatable);
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
  if (shape_ == value) return;
  shape_ = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (style_ == value) return;
  style_ = value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& canvas = Canvas();
  // Lowered: shadow above and left, light below and right; raised the other way round.
  TColor upper = clBtnShadow;
  TColor lower = clBtnHighlight;
  if (style_ == bsRaised) std::swap(upper, lower);
  const TRect client = ClientRect();
  switch (shape_) {
    case bsBox: {
      TRect rect = client;
      DrawEdge3D(canvas, rect, upper, lower);
      break;
    }
    case bsFrame: {
      // Two boxes one pixel apart, the second in reversed colours: a groove or a ridge.
      TRect outer = {client.left, client.top, client.right - 1, client.bottom - 1};
      TRect inner = {client.left + 1, client.top + 1, client.right, client.bottom};
      DrawEdge3D(canvas, inner, lower, lower);
      DrawEdge3D(canvas, outer, upper, upper);
      break;
    }
    case bsTopLine:
      FillSolid(canvas, {0, 0, Width(), 1}, upper);
      FillSolid(canvas, {0, 1, Width(), 2}, lower);
      break;
    case bsBottomLine:
      FillSolid(canvas, {0, Height() - 2, Width(), Height() - 1}, upper);
      FillSolid(canvas, {0, Height() - 1, Width(), Height()}, lower);
      break;
    case bsLeftLine:
      FillSolid(canvas, {0, 0, 1, Height()}, upper);
      FillSolid(canvas, {1, 0, 2, Height()}, lower);
      break;
    case bsRightLine:
      FillSolid(canvas, {Width() - 2, 0, Width() - 1, Height()}, upper);
      FillSolid(canvas, {Width() - 1, 0, Width(), Height()}, lower);
      break;
    case bsSpacer:
      break;
  }
}

const TPropertyTable& TBevel::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TGraphicControl::StaticProperties())
          .Enum("Shape", &TBevel::Shape, &TBevel::SetShape,
                {{"bsBox", bsBox},
                 {"bsFrame", bsFrame},
                 {"bsTopLine", bsTopLine},
                 {"bsBottomLine", bsBottomLine},
                 {"bsLeftLine", bsLeftLine},
                 {"bsRightLine", bsRightLine},
                 {"bsSpacer", bsSpacer}},
                bsBox)
          .Enum("Style", &TBevel::Style, &TBevel::SetStyle,
                {{"bsLowered", bsLowered}, {"bsRaised", bsRaised}}, bsLowered);
  return table;
}
