#pragma once

#include <string>
#include <string_view>

#include "framework/graphics/handles.h"
#include "framework/graphics/types.h"

// Text on a drawing surface with the selected font, through the installed font rasteriser. Texts
// are UTF-8; a byte that does not start a valid sequence stands for the character of that number
// (Latin-1), so 8-bit texts still show. Glyphs are anti-aliased onto 24- and 32-bit surfaces
// (blended with the text colour) and thresholded on indexed ones. In OPAQUE background mode the
// text's cell is filled with the background colour first; in TRANSPARENT mode the background is
// left as it is.

enum : unsigned { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

struct TEXTMETRIC {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
};

std::u32string DecodeText(std::string_view text);

// Draws text with its cell's top-left corner at (x, y).
bool TextOut(HDC dc, int x, int y, std::string_view text);
// As TextOut; with ETO_CLIPPED nothing is drawn outside rect, with ETO_OPAQUE rect is first filled
// with the background colour.
bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* rect, std::string_view text);
// The width of the text and the font's cell height.
bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size);
bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
