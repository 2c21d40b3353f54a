#include "framework/controls/shape.h"

#include <algorithm>

#include "framework/core/property_table.h"

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csReplicatable);
  SetBounds(0, 0, 65, 65);
  pen_.SetOnChange([this](TObject*) { Invalidate(); });
  brush_.SetOnChange([this](TObject*) { Invalidate(); });
}

void TShape::SetShape(TShapeType value) {
  if (shape_ == value) return;
  shape_ = value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Pen().Assign(&pen_);
  canvas.Brush().Assign(&brush_);
  // A wide pen is centred on the outline, which keeps it inside the control.
  const int inset = pen_.Width() / 2;
  int width = Width() - pen_.Width() + 1;
  int height = Height() - pen_.Width() + 1;
  int left = inset;
  int top = inset;
  if (shape_ == stSquare) {
    const int side = std::min(width, height);
    left += (width - side) / 2;
    top += (height - side) / 2;
    width = height = side;
  }
  canvas.Rectangle(left, top, left + width, top + height);
}

const TPropertyTable& TShape::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TGraphicControl::StaticProperties())
          .Enum("Shape", &TShape::Shape, &TShape::SetShape,
                {{"stRectangle", stRectangle}, {"stSquare", stSquare}}, stRectangle)
          .Object("Pen", &TShape::Pen)
          .Object("Brush", &TShape::Brush);
  return table;
}
