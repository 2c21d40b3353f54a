#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/handles.h"
#include "framework/graphics/types.h"

// Text laid out in a rectangle: line breaks, word wrap, alignment, and measuring.

enum : unsigned {
  DT_TOP = 0x0000,
  DT_LEFT = 0x0000,
  DT_CENTER = 0x0001,
  DT_RIGHT = 0x0002,
  DT_VCENTER = 0x0004,
  DT_BOTTOM = 0x0008,
  DT_WORDBREAK = 0x0010,
  DT_SINGLELINE = 0x0020,
  DT_NOCLIP = 0x0100,
  DT_CALCRECT = 0x0400,
  DT_NOPREFIX = 0x0800,
};

// The lines text shows in a rectangle width wide: broken at CR LF, LF or CR (unless
// singleLine), and, with wordWrap, between words so that no line is wider than width; a word
// wider than width stands alone on its line. Spaces at a wrap point are dropped.
std::vector<std::string> LayoutLines(HDC dc, std::string_view text, int width, bool wordWrap,
                                     bool singleLine);

// Draws text in rect with the selected font and colours. Unless DT_NOPREFIX, "&&" shows as "&"
// and a single "&" is dropped. With DT_CALCRECT nothing is drawn: rect's right and bottom are set
// to fit the widest line and all lines. Returns the height of the text.
int DrawText(HDC dc, std::string_view text, TRect* rect, unsigned format);
