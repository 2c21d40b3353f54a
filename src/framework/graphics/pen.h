#pragma once

#include "framework/graphics/color.h"
#include "framework/graphics/graphics_object.h"
#include "framework/graphics/handles.h"

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// The lines of a canvas: colour, width in pixels and style (dashed styles draw solid here).
class TPen : public TGraphicsObject {
 public:
  const char* ClassName() const override { return "TPen"; }
  void Assign(const TPersistent* source) override;
  const TPropertyTable& Properties() const override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  HPEN Handle();

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
};
