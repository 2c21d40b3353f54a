#pragma once

#include "framework/graphics/color.h"
#include "framework/graphics/graphics_object.h"
#include "framework/graphics/handles.h"

enum class TBrushStyle { bsSolid, bsClear };

// The fill of a canvas: a colour, or none (bsClear).
class TBrush : public TGraphicsObject {
 public:
  const char* ClassName() const override { return "TBrush"; }
  void Assign(const TPersistent* source) override;
  const TPropertyTable& Properties() const override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);
  HBRUSH Handle();

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
};
