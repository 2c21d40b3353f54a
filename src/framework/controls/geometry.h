#pragma once

#include "framework/graphics/types.h"

// Rectangle arithmetic for bounds, invalid areas and hit tests. Empty rectangles take no part in
// a union and make an empty intersection.
TRect IntersectRect(const TRect& a, const TRect& b);
TRect UnionRect(const TRect& a, const TRect& b);
TRect OffsetRect(const TRect& rect, int dx, int dy);
bool PtInRect(const TRect& rect, TPoint point);
// a * numerator / denominator, rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int numerator, int denominator);
