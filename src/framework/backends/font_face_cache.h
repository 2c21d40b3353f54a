#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "framework/platform/font_rasterizer.h"

// The faces a rasteriser has opened, one per request: requests that differ only in the case of
// the face name share a face. Faces that could not be opened (null) are remembered too, so a
// missing face is looked for once.
class TFontFaceCache {
 public:
  using TOpen = std::function<std::shared_ptr<TFontFace>(const TFontRequest&)>;

  // The face for the request, opened with open the first time.
  std::shared_ptr<TFontFace> Face(const TFontRequest& request, const TOpen& open);

 private:
  std::map<std::tuple<std::string, int, bool, bool>, std::shared_ptr<TFontFace>> faces_;
};

// A face that renders each character once and keeps its glyph. Glyphs live in a node-based map,
// so references handed out stay valid as more are added.
class TCachedGlyphFace : public TFontFace {
 public:
  const TGlyph& Glyph(char32_t character) final;

 protected:
  virtual TGlyph Render(char32_t character) = 0;

 private:
  std::unordered_map<char32_t, TGlyph> glyphs_;
};
