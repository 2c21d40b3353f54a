#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The platform's text contract: a rasteriser turns a font request into a face, and a face turns
// characters into anti-aliased glyph images. The graphics layer draws those images; a backend
// (FreeType on Linux) provides them and is installed once at start-up with SetFontRasterizer.

struct TFontRequest {
  std::string faceName;
  // Negative: character height (em size) in pixels; positive: cell height (ascent + descent) in
  // pixels; 0: a default size.
  int height = 0;
  bool bold = false;
  bool italic = false;
};

// Vertical measures in whole pixels, from the baseline.
struct TFontMetrics {
  int ascent = 0;           // above the baseline
  int descent = 0;          // below the baseline
  int internalLeading = 0;  // ascent + descent minus the character height
  int averageCharWidth = 0;
  int underlinePosition = 0;  // below the baseline, to the top of the line
  int underlineThickness = 1;
  std::string familyName;  // the installed family that serves the request
  std::string styleName;
  std::string fileName;
};

// One character's image: coverage 0..255 per pixel, rows top-down, width x height bytes, placed
// with its left edge at pen x + left and its top row at baseline y - top.
struct TGlyph {
  int width = 0;
  int height = 0;
  int left = 0;
  int top = 0;
  int advance = 0;
  std::vector<std::uint8_t> coverage;
};

class TFontFace {
 public:
  virtual ~TFontFace() = default;
  virtual const TFontMetrics& Metrics() const = 0;
  // The glyph of a Unicode character (a missing character gives the face's replacement glyph).
  // Faces cache their glyphs: asking twice does not rasterise twice.
  virtual const TGlyph& Glyph(char32_t character) = 0;
};

class TFontRasterizer {
 public:
  virtual ~TFontRasterizer() = default;
  // The face that best serves the request; rasterisers share faces between equal requests. Null
  // when no face at all is installed.
  virtual std::shared_ptr<TFontFace> Face(const TFontRequest& request) = 0;
  // How many glyph images this rasteriser has made so far (for tests of the glyph cache).
  virtual std::int64_t RasterizedGlyphCount() const = 0;
};

namespace platform_detail {
inline std::shared_ptr<TFontRasterizer>& FontRasterizerSlot() {
  static std::shared_ptr<TFontRasterizer> slot;
  return slot;
}
}  // namespace platform_detail

// Installs the rasteriser the whole program draws text with (replacing any earlier one).
inline void SetFontRasterizer(std::shared_ptr<TFontRasterizer> rasterizer) {
  platform_detail::FontRasterizerSlot() = std::move(rasterizer);
}
// The installed rasteriser, or null: then text measures as empty and draws nothing.
inline TFontRasterizer* FontRasterizer() {
  return platform_detail::FontRasterizerSlot().get();
}
