#include "framework/backends/freetype_font_rasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/backends/font_face_cache.h"
#include "framework/backends/font_face_mapping.h"

namespace {

// The FreeType library and the fontconfig configuration, kept alive by every face made from them.
class TFontLibrary {
 public:
  TFontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    config_ = FcInitLoadConfigAndFonts();
  }
  ~TFontLibrary() {
    if (config_ != nullptr) FcConfigDestroy(config_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }
  TFontLibrary(const TFontLibrary&) = delete;
  TFontLibrary& operator=(const TFontLibrary&) = delete;

  FT_Library Library() const { return library_; }
  FcConfig* Config() const { return config_; }

 private:
  FT_Library library_ = nullptr;
  FcConfig* config_ = nullptr;
};

// What fontconfig found for a request.
struct TFaceFile {
  std::string file;
  int index = 0;
  std::string family;
  std::string style;
  bool bold = false;    // the file's own weight is bold
  bool italic = false;  // the file's own slant is italic or oblique
};

std::string PatternString(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(value);
}

int PatternInteger(FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

bool FindFaceFile(FcConfig* config, const TFontRequest& request, TFaceFile& found) {
  FcPattern* pattern = FcPatternCreate();
  for (const std::string& family : FamiliesFor(request.faceName)) {
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  FcPatternAddInteger(pattern, FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return false;
  found.file = PatternString(match, FC_FILE);
  found.index = PatternInteger(match, FC_INDEX, 0);
  found.family = PatternString(match, FC_FAMILY);
  found.style = PatternString(match, FC_STYLE);
  found.bold = PatternInteger(match, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
  found.italic = PatternInteger(match, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
  FcPatternDestroy(match);
  return !found.file.empty();
}

int Scaled(long fontUnits, int pixelsPerEm, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(fontUnits) * pixelsPerEm / unitsPerEm));
}

// The face's ascent and descent in font units: the platform's own measures where the face has
// them (the OS/2 table's window ascent and descent), else FreeType's.
std::pair<long, long> VerticalExtent(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
    return {os2->usWinAscent, os2->usWinDescent};
  }
  return {face->ascender, -face->descender};
}

class TFreeTypeFace : public TCachedGlyphFace {
 public:
  TFreeTypeFace(std::shared_ptr<TFontLibrary> library, FT_Face face, const TFaceFile& file,
                const TFontRequest& request, std::shared_ptr<std::int64_t> rasterized)
      : library_(std::move(library)),
        face_(face),
        emboldens_(request.bold && !file.bold),
        slants_(request.italic && !file.italic),
        rasterized_(std::move(rasterized)) {
    SetSize(request.height);
    metrics_.familyName = file.family;
    metrics_.styleName = file.style;
    metrics_.fileName = file.file;
  }
  ~TFreeTypeFace() override { FT_Done_Face(face_); }
  TFreeTypeFace(const TFreeTypeFace&) = delete;
  TFreeTypeFace& operator=(const TFreeTypeFace&) = delete;

  const TFontMetrics& Metrics() const override { return metrics_; }

 private:
  void SetSize(int height) {
    if (slants_) {
      // The slant of a synthetic italic: x += y * 0.2.
      FT_Matrix shear = {0x10000, 0x03333, 0, 0x10000};
      FT_Set_Transform(face_, &shear, nullptr);
    }
    const int unitsPerEm = face_->units_per_EM > 0 ? face_->units_per_EM : 2048;
    const auto [ascent, descent] = VerticalExtent(face_);
    int pixelsPerEm;
    if (height < 0) {
      pixelsPerEm = -height;
    } else if (height > 0) {
      pixelsPerEm = Scaled(height, unitsPerEm, static_cast<int>(ascent + descent));
    } else {
      pixelsPerEm = 11;
    }
    pixelsPerEm = std::max(pixelsPerEm, 1);
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelsPerEm));
    metrics_.ascent = Scaled(ascent, pixelsPerEm, unitsPerEm);
    metrics_.descent = Scaled(descent, pixelsPerEm, unitsPerEm);
    metrics_.internalLeading = std::max(metrics_.ascent + metrics_.descent - pixelsPerEm, 0);
    metrics_.underlinePosition =
        std::max(Scaled(-face_->underline_position, pixelsPerEm, unitsPerEm), 1);
    metrics_.underlineThickness =
        std::max(Scaled(face_->underline_thickness, pixelsPerEm, unitsPerEm), 1);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    metrics_.averageCharWidth = os2 != nullptr && os2->xAvgCharWidth > 0
                                    ? Scaled(os2->xAvgCharWidth, pixelsPerEm, unitsPerEm)
                                    : Glyph('x').advance;
  }

  TGlyph Render(char32_t character) override {
    TGlyph glyph;
    if (FT_Load_Char(face_, character, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    if (emboldens_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    ++*rasterized_;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int row = 0; row < glyph.height; ++row) {
      const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
      std::memcpy(glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width, source,
                  static_cast<std::size_t>(glyph.width));
    }
    return glyph;
  }

  std::shared_ptr<TFontLibrary> library_;
  FT_Face face_;
  bool emboldens_;
  bool slants_;
  std::shared_ptr<std::int64_t> rasterized_;
  TFontMetrics metrics_;
};

class TFreeTypeRasterizer : public TFontRasterizer {
 public:
  TFreeTypeRasterizer() : library_(std::make_shared<TFontLibrary>()) {}

  std::shared_ptr<TFontFace> Face(const TFontRequest& request) override {
    return faces_.Face(request, [this](const TFontRequest& wanted) { return Open(wanted); });
  }

  std::int64_t RasterizedGlyphCount() const override { return *rasterized_; }

 private:
  std::shared_ptr<TFontFace> Open(const TFontRequest& request) {
    if (library_->Library() == nullptr || library_->Config() == nullptr) return nullptr;
    TFaceFile file;
    if (!FindFaceFile(library_->Config(), request, file)) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library_->Library(), file.file.c_str(), file.index, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face)) {
      FT_Done_Face(face);
      return nullptr;
    }
    return std::make_shared<TFreeTypeFace>(library_, face, file, request, rasterized_);
  }

  std::shared_ptr<TFontLibrary> library_;
  // Shared with the faces, which may outlive the rasteriser.
  std::shared_ptr<std::int64_t> rasterized_ = std::make_shared<std::int64_t>(0);
  TFontFaceCache faces_;
};

}  // namespace

std::shared_ptr<TFontRasterizer> CreateFreeTypeFontRasterizer() {
  return std::make_shared<TFreeTypeRasterizer>();
}
