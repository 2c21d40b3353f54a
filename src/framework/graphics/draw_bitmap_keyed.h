#pragma once

#include "framework/graphics/color.h"
#include "framework/graphics/types.h"

class TBitmap;
class TCanvas;

// Draws the source rectangle (sx, sy, sw, sh) of bitmap stretched onto the destination rectangle
// (dx, dy, dw, dh) of canvas, leaving the canvas's pixels where the bitmap shows the key colour;
// with key clNone the bitmap is copied whole with the canvas's copy mode. A destination width or
// height of 0 or less takes the bitmap's; a source width or height of 0 or less takes the whole
// bitmap. A monochrome bitmap is keyed on white, whatever the key. Colour bitmaps are stretched
// by dropping rows and columns (COLORONCOLOR is left set on the canvas).
void DrawBitmapKeyed(TCanvas& canvas, TBitmap& bitmap, TColor key, int dx, int dy, int dw, int dh,
                     int sx, int sy, int sw, int sh);

// DrawBitmapKeyed with the source given as a rectangle.
void DrawBitmapRectKeyed(TCanvas& canvas, int dx, int dy, int dw, int dh, const TRect& source,
                         TBitmap& bitmap, TColor key);
