#pragma once

struct TIconImage;
class TBitmap;

// Draws a 32-bit icon image with alpha onto the bitmap at (0, 0) with each pixel either whole or
// not at all: at least half covered, its own colour; less, the bitmap's pixel stays. A GIF frame
// has one transparent colour and no partial cover, and the half-covered edge pixels of such
// images, blended over that colour, would ring the picture with it.
void DrawAlphaKeyed(TBitmap& bitmap, const TIconImage& image);
