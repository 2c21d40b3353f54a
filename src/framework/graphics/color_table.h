#pragma once

#include <array>

#include "framework/graphics/color.h"

// The colour table of an indexed bitmap: always 256 plain RGB entries, so that no pixel value can
// index outside it; entries past the bitmap's own colours are black.
using TColorTable = std::array<TColor, 256>;

// The table a new bitmap of that depth starts with: black and white for 1 bit, the 16 standard
// colours for 4 bits, the standard colours, a 6 x 6 x 6 colour cube and a grey ramp for 8 bits.
// All black for deeper bitmaps, which have no table.
const TColorTable& DefaultColorTable(int bitsPerPixel);

// True when entry 0 is black and entry 1 white: the table of a monochrome bitmap, whose pixels
// take the text and background colours of the surface they are copied to.
bool IsMonochromeTable(const TColorTable& table);
