#pragma once

#include <memory>

#include "framework/platform/font_rasterizer.h"

// The font rasteriser on FreeType, with faces found through fontconfig: each requested face name
// goes through FamiliesFor to the closest installed family (TFontFileLookup), in the requested
// weight and slant (made bold or slanted by FreeType when the family has no such face). Heights
// follow the platform's rule, with the cell height from the face's own ascent and descent. Faces
// and their glyphs are cached for the rasteriser's lifetime. For the UI thread only.
std::shared_ptr<TFontRasterizer> CreateFreeTypeFontRasterizer();
