#pragma once

#include "framework/graphics/color.h"

// The colour resolved to RGB (system colours through the system colour table) in the palette-
// relative form: on a surface with a palette it stands for the nearest entry of that palette.
TColor PaletteRelative(TColor color);
