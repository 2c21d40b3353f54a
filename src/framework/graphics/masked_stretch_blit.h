#pragma once

#include "framework/graphics/color.h"
#include "framework/graphics/handles.h"

// Copies the source rectangle (sx, sy, sw, sh) of source onto the destination rectangle
// (dx, dy, dw, dh) of destination, stretching as needed, and leaves the destination's pixels where
// the source pixel is the key colour (plain RGB). With a palette, that palette is realised on the
// surfaces involved, so that the key is matched as the palette shows it.
//
// The classic two-mask method on four scratch surfaces: a monochrome mask of the key pixels and its
// inverse, a copy of the source and a work copy of the destination; the destination is read once
// and written once. Stretching follows the destination's stretch mode. When a scratch bitmap cannot
// be made (a size of 0 or less, or one past the device's limits) nothing is drawn.
void MaskedStretchBlit(HDC destination, int dx, int dy, int dw, int dh, HDC source, int sx, int sy,
                       int sw, int sh, HPALETTE palette, TColor key);
