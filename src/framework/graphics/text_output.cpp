#include "framework/graphics/text_output.h"

#include <algorithm>

#include "framework/graphics/device_context.h"
#include "framework/graphics/shape_drawing.h"
#include "framework/platform/font_rasterizer.h"

namespace {

// The length of the UTF-8 sequence starting at text[i] and its character, or 0 when it is not a
// valid, shortest-form sequence.
int DecodeSequence(std::string_view text, std::size_t i, char32_t& character) {
  const auto lead = static_cast<unsigned char>(text[i]);
  int length;
  char32_t value;
  if (lead < 0x80) {
    character = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else {
    return 0;
  }
  if (i + static_cast<std::size_t>(length) > text.size()) return 0;
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) return 0;
    value = value << 6 | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return 0;
  character = value;
  return length;
}

TFontFace* SelectedFace(HDC dc) {
  return dc->Current().font->Face();
}

int TextWidth(TFontFace& face, const std::u32string& characters) {
  int width = 0;
  for (const char32_t c : characters)
    width += face.Glyph(c).advance;
  return width;
}

int CellHeight(const TFontMetrics& metrics) {
  return metrics.ascent + metrics.descent;
}

// Draws one glyph's coverage at a device position within the given device clip.
void DrawGlyph(TDeviceContext& dc, const TGlyph& glyph, int left, int top, const TRect& clip,
               std::uint32_t textValue) {
  TBitmapObject& bitmap = dc.Bitmap();
  const bool blend = !bitmap.IsIndexed();
  const TColor textRgb = bitmap.ColorOf(textValue);
  for (int row = 0; row < glyph.height; ++row) {
    const int y = top + row;
    if (y < clip.top || y >= clip.bottom) continue;
    for (int column = 0; column < glyph.width; ++column) {
      const int x = left + column;
      if (x < clip.left || x >= clip.right) continue;
      const int alpha = glyph.coverage[static_cast<std::size_t>(row * glyph.width + column)];
      if (alpha == 0) continue;
      if (!blend) {
        if (alpha >= 128) bitmap.SetPixel(x, y, textValue);
        continue;
      }
      const TColor mixed = BlendColors(textRgb, bitmap.PixelColor(x, y), alpha);
      bitmap.SetPixel(x, y, bitmap.ValueOf(mixed));
    }
  }
}

TRect IntersectRects(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

void FillWithBackground(HDC dc, const TRect& rect) {
  HBRUSH brush = CreateSolidBrush(dc->Current().backgroundColor);
  FillRect(dc, rect, brush);
  DeleteObject(brush);
}

void DrawDecorations(TDeviceContext& dc, const LOGFONT& font, const TFontMetrics& metrics, int left,
                     int width, int baseline, const TRect& clip, std::uint32_t value) {
  auto line = [&](int top) {
    const TRect bar =
        IntersectRects({left, top, left + width, top + metrics.underlineThickness}, clip);
    for (int y = bar.top; y < bar.bottom; ++y) {
      for (int x = bar.left; x < bar.right; ++x)
        dc.Bitmap().SetPixel(x, y, value);
    }
  };
  if (font.lfUnderline) line(baseline + metrics.underlinePosition);
  if (font.lfStrikeOut) line(baseline - metrics.ascent / 3);
}

}  // namespace

std::u32string DecodeText(std::string_view text) {
  std::u32string characters;
  characters.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t character;
    const int length = DecodeSequence(text, i, character);
    if (length == 0) {
      characters.push_back(static_cast<unsigned char>(text[i]));
      ++i;
    } else {
      characters.push_back(character);
      i += static_cast<std::size_t>(length);
    }
  }
  return characters;
}

bool TextOut(HDC dc, int x, int y, std::string_view text) {
  return ExtTextOut(dc, x, y, 0, nullptr, text);
}

bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* rect, std::string_view text) {
  if (dc == nullptr) return false;
  if (rect != nullptr && (options & ETO_OPAQUE) != 0) FillWithBackground(dc, *rect);
  TFontFace* face = SelectedFace(dc);
  if (face == nullptr || text.empty()) return true;
  const std::u32string characters = DecodeText(text);
  const TFontMetrics& metrics = face->Metrics();
  const int width = TextWidth(*face, characters);
  if (dc->Current().backgroundMode == OPAQUE) {
    TRect cell = Bounds(x, y, width, CellHeight(metrics));
    if (rect != nullptr && (options & ETO_CLIPPED) != 0) cell = IntersectRects(cell, *rect);
    FillWithBackground(dc, cell);
  }
  TRect clip = dc->DrawableArea();
  if (rect != nullptr && (options & ETO_CLIPPED) != 0)
    clip = IntersectRects(clip, dc->ToDevice(*rect));
  const TPoint origin = dc->ToDevice(TPoint{x, y});
  const int baseline = origin.y + metrics.ascent;
  const std::uint32_t value = dc->PhysicalColor(dc->Current().textColor);
  int penX = origin.x;
  for (const char32_t c : characters) {
    const TGlyph& glyph = face->Glyph(c);
    DrawGlyph(*dc, glyph, penX + glyph.left, baseline - glyph.top, clip, value);
    penX += glyph.advance;
  }
  DrawDecorations(*dc, dc->Current().font->Font(), metrics, origin.x, width, baseline, clip, value);
  return true;
}

bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size) {
  if (dc == nullptr || size == nullptr) return false;
  TFontFace* face = SelectedFace(dc);
  if (face == nullptr) {
    *size = {0, 0};
    return true;
  }
  *size = {TextWidth(*face, DecodeText(text)), CellHeight(face->Metrics())};
  return true;
}

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  if (dc == nullptr || metrics == nullptr) return false;
  *metrics = TEXTMETRIC{};
  if (TFontFace* face = SelectedFace(dc)) {
    const TFontMetrics& m = face->Metrics();
    metrics->tmHeight = CellHeight(m);
    metrics->tmAscent = m.ascent;
    metrics->tmDescent = m.descent;
    metrics->tmInternalLeading = m.internalLeading;
    metrics->tmAveCharWidth = m.averageCharWidth;
  }
  return true;
}
