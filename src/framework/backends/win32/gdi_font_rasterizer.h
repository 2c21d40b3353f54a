#pragma once

#include <memory>

#include "framework/platform/font_rasterizer.h"

// The font rasteriser on GDI: faces are the system's fonts as CreateFont picks them (the system
// substitutes a face it lacks), in the request's height with the platform's sign rule, weight and
// slant; each glyph is drawn by the system, anti-aliased in grey, and its coverage read back.
// Faces and their glyphs are cached for the rasteriser's lifetime. For the UI thread only.
std::shared_ptr<TFontRasterizer> CreateGdiFontRasterizer();
