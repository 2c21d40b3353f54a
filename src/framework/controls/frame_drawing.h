#pragma once

#include "framework/graphics/canvas.h"

// The classic desktop look: raised and sunken edges, plain frames and the dotted focus
// rectangle. Each edge routine draws inside rect and moves rect's edges inwards past what it
// drew.

// One pixel of topLeft along the top and left edges and of bottomRight along the others.
void DrawEdge3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight);
void DrawFrame(TCanvas& canvas, TRect& rect, TColor color);
// Every other pixel along the rectangle's edges in black, starting at its top-left corner.
void DrawFocusRect(TCanvas& canvas, const TRect& rect);
void FillSolid(TCanvas& canvas, const TRect& rect, TColor color);
TRect InflateRect(const TRect& rect, int dx, int dy);
