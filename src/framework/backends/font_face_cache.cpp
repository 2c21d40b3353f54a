#include "framework/backends/font_face_cache.h"

#include <cctype>

namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::shared_ptr<TFontFace> TFontFaceCache::Face(const TFontRequest& request, const TOpen& open) {
  const auto key =
      std::make_tuple(Lower(request.faceName), request.height, request.bold, request.italic);
  auto found = faces_.find(key);
  if (found == faces_.end()) found = faces_.emplace(key, open(request)).first;
  return found->second;
}

const TGlyph& TCachedGlyphFace::Glyph(char32_t character) {
  auto found = glyphs_.find(character);
  if (found == glyphs_.end()) found = glyphs_.emplace(character, Render(character)).first;
  return found->second;
}
