#include "framework/graphics/font.h"

#include "framework/core/exceptions.h"
#include "framework/core/property_table.h"
#include "framework/graphics/color_ident.h"
#include "framework/graphics/drawing_tools.h"

namespace {

const TIdentTable& CharsetNames() {
  static const TIdentTable names = {
      {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
      {"SHIFTJIS_CHARSET", 128},    {"HANGEUL_CHARSET", 129},    {"GB2312_CHARSET", 134},
      {"CHINESEBIG5_CHARSET", 136}, {"OEM_CHARSET", 255},        {"JOHAB_CHARSET", 130},
      {"HEBREW_CHARSET", 177},      {"ARABIC_CHARSET", 178},     {"GREEK_CHARSET", 161},
      {"TURKISH_CHARSET", 162},     {"VIETNAMESE_CHARSET", 163}, {"THAI_CHARSET", 222},
      {"EASTEUROPE_CHARSET", 238},  {"RUSSIAN_CHARSET", 204},    {"MAC_CHARSET", 77},
      {"BALTIC_CHARSET", 186},
  };
  return names;
}

// A charset as form data writes it: a name or a number.
int CharsetFromValue(const TPropertyValue& value) {
  if (std::holds_alternative<TIdentValue>(value)) {
    return static_cast<int>(property_detail::NumberOf(CharsetNames(), AsIdent(value)));
  }
  const std::int64_t number = AsInteger(value);
  if (number < 0 || number > 255) throw EReadError("Invalid property value");
  return static_cast<int>(number);
}

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
  const std::int64_t product = std::int64_t{a} * b;
  const std::int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

void TFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    name_ = font->name_;
    height_ = font->height_;
    style_ = font->style_;
    color_ = font->color_;
    charset_ = font->charset_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

const TPropertyTable& TFont::Properties() const {
  static const TPropertyTable table = [] {
    TPropertyTable t;
    t.String("Name", &TFont::Name, &TFont::SetName);
    // Size is not published: it is Height in other units, and form data stores Height.
    t.Integer("Height", &TFont::Height, &TFont::SetHeight);
    t.Set("Style", &TFont::Style, &TFont::SetStyle,
          {{"fsBold", fsBold},
           {"fsItalic", fsItalic},
           {"fsUnderline", fsUnderline},
           {"fsStrikeOut", fsStrikeOut}},
          0);
    AddColorProperty(t, "Color", &TFont::Color, &TFont::SetColor, clWindowText);
    t.AddValue<TFont>(
        "Charset", [](TFont& f, const TPropertyValue& v) { f.SetCharset(CharsetFromValue(v)); },
        [](const TFont& f) -> TPropertyValue {
          return property_detail::IdentOf(CharsetNames(), f.Charset());
        },
        TPropertyValue(TIdentValue{"DEFAULT_CHARSET"}));
    return t;
  }();
  return table;
}

void TFont::SetName(const std::string& value) {
  if (value == name_ || value.empty()) return;
  name_ = value;
  Changed();
}

void TFont::SetHeight(int value) {
  if (value == height_) return;
  height_ = value;
  Changed();
}

int TFont::Size() const {
  return -MulDiv(height_, 72, kPixelsPerInch);
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}

void TFont::SetCharset(int value) {
  if (value == charset_) return;
  charset_ = value;
  Changed();
}

HFONT TFont::Handle() {
  if (CachedHandle() == nullptr) {
    LOGFONT font;
    font.lfHeight = height_;
    font.lfWeight = (style_ & FontStyleBit(fsBold)) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (style_ & FontStyleBit(fsItalic)) != 0;
    font.lfUnderline = (style_ & FontStyleBit(fsUnderline)) != 0;
    font.lfStrikeOut = (style_ & FontStyleBit(fsStrikeOut)) != 0;
    font.lfCharSet = static_cast<std::uint8_t>(charset_);
    font.lfFaceName = name_;
    SetCachedHandle(CreateFontIndirect(font));
  }
  return static_cast<HFONT>(CachedHandle());
}
