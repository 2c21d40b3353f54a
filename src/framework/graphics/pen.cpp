#include "framework/graphics/pen.h"

#include "framework/core/property_table.h"
#include "framework/graphics/color_ident.h"
#include "framework/graphics/drawing_tools.h"

void TPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

const TPropertyTable& TPen::Properties() const {
  static const TPropertyTable table = [] {
    TPropertyTable t;
    AddColorProperty(t, "Color", &TPen::Color, &TPen::SetColor, clBlack);
    t.Integer("Width", &TPen::Width, &TPen::SetWidth, 1);
    t.Enum("Style", &TPen::Style, &TPen::SetStyle,
           {{"psSolid", 0},
            {"psDash", 1},
            {"psDot", 2},
            {"psDashDot", 3},
            {"psDashDotDot", 4},
            {"psClear", 5}},
           0);
    return t;
  }();
  return table;
}

void TPen::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value < 1) value = 1;
  if (value == width_) return;
  width_ = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

HPEN TPen::Handle() {
  if (CachedHandle() == nullptr) {
    SetCachedHandle(CreatePen(style_ == TPenStyle::psClear ? PS_NULL : static_cast<int>(style_),
                              width_, color_));
  }
  return static_cast<HPEN>(CachedHandle());
}
