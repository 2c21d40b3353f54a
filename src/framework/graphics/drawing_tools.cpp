#include "framework/graphics/drawing_tools.h"

#include "framework/platform/font_rasterizer.h"

TFontFace* TFontObject::Face() {
  if (!faceLooked_) {
    faceLooked_ = true;
    if (TFontRasterizer* rasterizer = FontRasterizer()) {
      face_ = rasterizer->Face(
          {font_.lfFaceName, font_.lfHeight, font_.lfWeight >= FW_BOLD, font_.lfItalic});
    }
  }
  return face_.get();
}

HBRUSH CreateSolidBrush(TColor color) {
  return new TBrushObject(BS_SOLID, color);
}

HPEN CreatePen(int style, int width, TColor color) {
  return new TPenObject(style, width, color);
}

HFONT CreateFontIndirect(const LOGFONT& font) {
  return new TFontObject(font);
}

namespace {

template <typename T>
T* Stock(T* object) {
  object->MakeStock();
  return object;
}

LOGFONT SystemFont() {
  LOGFONT font;
  font.lfHeight = -11;
  font.lfFaceName = "MS Sans Serif";
  return font;
}

}  // namespace

HBRUSH StockBrush(int which) {
  static TBrushObject* const brushes[] = {
      Stock(new TBrushObject(BS_SOLID, clWhite)),
      Stock(new TBrushObject(BS_SOLID, clSilver)),
      Stock(new TBrushObject(BS_SOLID, clGray)),
      Stock(new TBrushObject(BS_SOLID, RGB(64, 64, 64))),
      Stock(new TBrushObject(BS_SOLID, clBlack)),
      Stock(new TBrushObject(BS_NULL, clBlack)),
  };
  if (which < WHITE_BRUSH || which > NULL_BRUSH) return nullptr;
  return brushes[which];
}

HPEN StockPen(int which) {
  static TPenObject* const pens[] = {
      Stock(new TPenObject(PS_SOLID, 1, clWhite)),
      Stock(new TPenObject(PS_SOLID, 1, clBlack)),
      Stock(new TPenObject(PS_NULL, 1, clBlack)),
  };
  if (which < WHITE_PEN || which > NULL_PEN) return nullptr;
  return pens[which - WHITE_PEN];
}

HFONT StockFont(int which) {
  static TFontObject* const font = Stock(new TFontObject(SystemFont()));
  return which == SYSTEM_FONT || which == DEFAULT_GUI_FONT ? font : nullptr;
}

HGDIOBJ GetStockObject(int which) {
  if (HBRUSH brush = StockBrush(which)) return brush;
  if (HPEN pen = StockPen(which)) return pen;
  return StockFont(which);
}
