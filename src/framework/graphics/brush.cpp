#include "framework/graphics/brush.h"

#include "framework/core/property_table.h"
#include "framework/graphics/color_ident.h"
#include "framework/graphics/drawing_tools.h"

void TBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

const TPropertyTable& TBrush::Properties() const {
  static const TPropertyTable table = [] {
    TPropertyTable t;
    AddColorProperty(t, "Color", &TBrush::Color, &TBrush::SetColor, clWhite);
    t.Enum("Style", &TBrush::Style, &TBrush::SetStyle, {{"bsSolid", 0}, {"bsClear", 1}}, 0);
    return t;
  }();
  return table;
}

void TBrush::SetColor(TColor value) {
  if (value == color_ && style_ == TBrushStyle::bsSolid) return;
  color_ = value;
  // Giving a clear brush a colour makes it solid again, as one would expect from the property.
  style_ = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (CachedHandle() == nullptr) {
    SetCachedHandle(style_ == TBrushStyle::bsClear ? new TBrushObject(BS_NULL, color_)
                                                   : CreateSolidBrush(color_));
  }
  return static_cast<HBRUSH>(CachedHandle());
}
