#pragma once

#include <cstdint>
#include <string>

#include "framework/graphics/color.h"
#include "framework/graphics/graphics_object.h"
#include "framework/graphics/handles.h"

// Members of a font style set, as bit numbers.
enum TFontStyle : unsigned { fsBold = 0, fsItalic = 1, fsUnderline = 2, fsStrikeOut = 3 };
using TFontStyles = unsigned;  // bit (1 << fsBold) and so on
inline constexpr TFontStyles FontStyleBit(TFontStyle style) {
  return 1u << style;
}

// The text font of a canvas or control. Height follows the platform's rule, as form data stores
// it: negative is the character height in pixels, positive the cell height; Size is in points at
// 96 pixels per inch. Charset is kept for form data and otherwise unused.
class TFont : public TGraphicsObject {
 public:
  static constexpr int kPixelsPerInch = 96;

  const char* ClassName() const override { return "TFont"; }
  void Assign(const TPersistent* source) override;
  const TPropertyTable& Properties() const override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  int Height() const { return height_; }
  void SetHeight(int value);
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Charset() const { return charset_; }
  void SetCharset(int value);

  HFONT Handle();

 private:
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = 1;  // DEFAULT_CHARSET
};
