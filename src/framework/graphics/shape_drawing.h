#pragma once

#include "framework/graphics/color.h"
#include "framework/graphics/handles.h"
#include "framework/graphics/types.h"

// Pixels, lines and rectangles on a drawing surface, in logical coordinates, clipped.

// The colour of a pixel as plain RGB; CLR_INVALID outside the drawable area.
TColor GetPixel(HDC dc, int x, int y);
// Sets a pixel to the nearest colour the surface holds; returns that colour.
TColor SetPixel(HDC dc, int x, int y, TColor color);

// Fills the rectangle (right and bottom outside) with the brush; a null-style brush fills nothing.
int FillRect(HDC dc, const TRect& rect, HBRUSH brush);
// Outlines the rectangle with the selected pen (inside its edges, right and bottom outside) and
// fills the inside with the selected brush. With a null pen the filled area is one pixel smaller
// to the right and bottom, as on the platform.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool MoveToEx(HDC dc, int x, int y, TPoint* previous);
bool GetCurrentPositionEx(HDC dc, TPoint* position);
// Draws a line with the selected pen from the current position up to, not including, (x, y),
// which becomes the current position.
bool LineTo(HDC dc, int x, int y);
