#pragma once

#include <memory>

#include "framework/platform/font_rasterizer.h"

// The font rasteriser of the platform being built for (library qi_fonts): GDI on Windows,
// FreeType with fontconfig elsewhere.
#ifdef _WIN32
#include "framework/backends/win32/gdi_font_rasterizer.h"
inline std::shared_ptr<TFontRasterizer> CreatePlatformFontRasterizer() {
  return CreateGdiFontRasterizer();
}
#else
#include "framework/backends/freetype_font_rasterizer.h"
inline std::shared_ptr<TFontRasterizer> CreatePlatformFontRasterizer() {
  return CreateFreeTypeFontRasterizer();
}
#endif
