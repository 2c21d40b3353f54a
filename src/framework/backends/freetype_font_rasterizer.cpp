#include "framework/backends/freetype_font_rasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "framework/backends/font_face_cache.h"
#include "framework/backends/font_file_lookup.h"

namespace {

// The FreeType library, kept alive by every face made from it.
class TFontLibrary {
 public:
  TFontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~TFontLibrary() {
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }
  TFontLibrary(const TFontLibrary&) = delete;
  TFontLibrary& operator=(const TFontLibrary&) = delete;

  FT_Library Library() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

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

// A font file opened once and shared by the faces of every size and style made from it, each with
// a size object of its own: the file is mapped and its tables are read once.
class TOpenFontFile {
 public:
  TOpenFontFile(std::shared_ptr<TFontLibrary> library, FT_Face face)
      : library_(std::move(library)), face_(face) {}
  ~TOpenFontFile() { FT_Done_Face(face_); }
  TOpenFontFile(const TOpenFontFile&) = delete;
  TOpenFontFile& operator=(const TOpenFontFile&) = delete;

  FT_Face Face() const { return face_; }

 private:
  std::shared_ptr<TFontLibrary> library_;
  FT_Face face_;
};

class TFreeTypeFace : public TCachedGlyphFace {
 public:
  TFreeTypeFace(std::shared_ptr<TOpenFontFile> file, FT_Size size, const TFaceFile& found,
                const TFontRequest& request, std::shared_ptr<std::int64_t> rasterized)
      : file_(std::move(file)),
        face_(file_->Face()),
        size_(size),
        emboldens_(request.bold && !found.bold),
        slants_(request.italic && !found.italic),
        rasterized_(std::move(rasterized)) {
    SetSize(request.height);
    metrics_.familyName = found.family;
    metrics_.styleName = found.style;
    metrics_.fileName = found.file;
  }
  ~TFreeTypeFace() override { FT_Done_Size(size_); }
  TFreeTypeFace(const TFreeTypeFace&) = delete;
  TFreeTypeFace& operator=(const TFreeTypeFace&) = delete;

  const TFontMetrics& Metrics() const override { return metrics_; }

 private:
  // Makes the shared file draw at this face's size and slant.
  void Use() {
    FT_Activate_Size(size_);
    // The slant of a synthetic italic: x += y * 0.2.
    FT_Matrix shear = {0x10000, 0x03333, 0, 0x10000};
    FT_Set_Transform(face_, slants_ ? &shear : nullptr, nullptr);
  }

  void SetSize(int height) {
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
    FT_Activate_Size(size_);
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
    Use();
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

  std::shared_ptr<TOpenFontFile> file_;
  FT_Face face_;
  FT_Size size_;
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
    const std::optional<TFaceFile> found = lookup_.Find(request);
    if (!found) return nullptr;
    const std::shared_ptr<TOpenFontFile> file = OpenFile(*found);
    FT_Size size = nullptr;
    if (file == nullptr || FT_New_Size(file->Face(), &size) != 0) return nullptr;
    return std::make_shared<TFreeTypeFace>(file, size, *found, request, rasterized_);
  }

  // The file opened for faces that still use it, else opened now.
  std::shared_ptr<TOpenFontFile> OpenFile(const TFaceFile& found) {
    std::weak_ptr<TOpenFontFile>& slot = openFiles_[{found.file, found.index}];
    if (std::shared_ptr<TOpenFontFile> file = slot.lock()) return file;
    if (library_->Library() == nullptr) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library_->Library(), found.file.c_str(), found.index, &face) != 0)
      return nullptr;
    if (!FT_IS_SCALABLE(face)) {
      FT_Done_Face(face);
      return nullptr;
    }
    auto file = std::make_shared<TOpenFontFile>(library_, face);
    slot = file;
    return file;
  }

  std::shared_ptr<TFontLibrary> library_;
  TFontFileLookup lookup_;
  std::map<std::pair<std::string, int>, std::weak_ptr<TOpenFontFile>> openFiles_;
  // Shared with the faces, which may outlive the rasteriser.
  std::shared_ptr<std::int64_t> rasterized_ = std::make_shared<std::int64_t>(0);
  TFontFaceCache faces_;
};

}  // namespace

std::shared_ptr<TFontRasterizer> CreateFreeTypeFontRasterizer() {
  return std::make_shared<TFreeTypeRasterizer>();
}
