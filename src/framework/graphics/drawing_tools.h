#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/graphics/color.h"
#include "framework/graphics/gdi_object.h"

class TFontFace;

// The tools a drawing surface draws with: a brush fills, a pen draws lines and outlines, a font
// draws text.

enum : int { BS_SOLID = 0, BS_NULL = 1 };
enum : int {
  PS_SOLID = 0,
  PS_DASH = 1,
  PS_DOT = 2,
  PS_DASHDOT = 3,
  PS_DASHDOTDOT = 4,
  PS_NULL = 5
};
enum : int { FW_NORMAL = 400, FW_BOLD = 700 };
enum : int {
  WHITE_BRUSH = 0,
  LTGRAY_BRUSH = 1,
  GRAY_BRUSH = 2,
  DKGRAY_BRUSH = 3,
  BLACK_BRUSH = 4,
  NULL_BRUSH = 5,
  WHITE_PEN = 6,
  BLACK_PEN = 7,
  NULL_PEN = 8,
  SYSTEM_FONT = 13,
  DEFAULT_GUI_FONT = 17,
};

class TBrushObject : public TGdiObject {
 public:
  TBrushObject(int style, TColor color) : style_(style), color_(color) {}
  int Style() const { return style_; }
  TColor Color() const { return color_; }

 private:
  int style_;
  TColor color_;
};

class TPenObject : public TGdiObject {
 public:
  TPenObject(int style, int width, TColor color)
      : style_(style), width_(width < 1 ? 1 : width), color_(color) {}
  int Style() const { return style_; }
  int Width() const { return width_; }
  TColor Color() const { return color_; }

 private:
  int style_;
  int width_;
  TColor color_;
};

// A font as the surface sees it. Height follows the platform's rule: negative, the character
// height (em size) in pixels; positive, the cell height; 0, a default size.
struct LOGFONT {
  int lfHeight = 0;
  int lfWeight = FW_NORMAL;
  bool lfItalic = false;
  bool lfUnderline = false;
  bool lfStrikeOut = false;
  std::uint8_t lfCharSet = 1;
  std::string lfFaceName;
};

class TFontObject : public TGdiObject {
 public:
  explicit TFontObject(LOGFONT font) : font_(std::move(font)) {}
  const LOGFONT& Font() const { return font_; }
  // The rasteriser's face for this font, found on first use; null when no font rasteriser is
  // installed or it has no face at all.
  TFontFace* Face();

 private:
  LOGFONT font_;
  std::shared_ptr<TFontFace> face_;
  bool faceLooked_ = false;
};

HBRUSH CreateSolidBrush(TColor color);
HPEN CreatePen(int style, int width, TColor color);
HFONT CreateFontIndirect(const LOGFONT& font);
// Shared objects that are never deleted; null for an unknown number.
HGDIOBJ GetStockObject(int which);
HBRUSH StockBrush(int which);
HPEN StockPen(int which);
HFONT StockFont(int which);
