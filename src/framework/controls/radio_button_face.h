#pragma once

#include "framework/graphics/canvas.h"

// The round mark of a radio button, 12 x 12 pixels with its top-left corner at (x, y): a sunken
// ring round a white (or, disabled, grey) interior with a black dot when checked.
inline constexpr int kRadioMarkSize = 12;
void DrawRadioMark(TCanvas& canvas, int x, int y, bool checked, bool enabled);
