// Includes <windows.h> (see system.h): lives among the files that speak Win32.
#include "framework/backends/win32/gdi_font_rasterizer.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/backends/font_face_cache.h"

namespace {

// A memory drawing surface with the face selected, released with the face.
class TGdiFace : public TCachedGlyphFace {
 public:
  TGdiFace(HFONT font, std::shared_ptr<std::int64_t> rasterized)
      : font_(font), dc_(CreateCompatibleDC(nullptr)), rasterized_(std::move(rasterized)) {
    previousFont_ = SelectObject(dc_, font_);
    TEXTMETRICW text{};
    GetTextMetricsW(dc_, &text);
    cellHeight_ = text.tmHeight;
    metrics_.ascent = text.tmAscent;
    metrics_.descent = text.tmDescent;
    metrics_.internalLeading = text.tmInternalLeading;
    metrics_.averageCharWidth = text.tmAveCharWidth;
    metrics_.styleName = StyleName(text);
    char family[LF_FACESIZE] = {};
    GetTextFaceA(dc_, LF_FACESIZE, family);
    metrics_.familyName = family;
    ReadUnderline();
  }
  ~TGdiFace() override {
    SelectObject(dc_, previousFont_);
    DeleteDC(dc_);
    DeleteObject(font_);
  }
  TGdiFace(const TGdiFace&) = delete;
  TGdiFace& operator=(const TGdiFace&) = delete;

  const TFontMetrics& Metrics() const override { return metrics_; }

 private:
  static std::string StyleName(const TEXTMETRICW& text) {
    const bool bold = text.tmWeight >= FW_SEMIBOLD;
    if (bold && text.tmItalic) return "Bold Italic";
    if (bold) return "Bold";
    return text.tmItalic ? "Italic" : "Regular";
  }

  // Outline faces say where their underline goes; bitmap faces get it just below the baseline.
  void ReadUnderline() {
    OUTLINETEXTMETRICW outline{};
    outline.otmSize = sizeof outline;
    if (GetOutlineTextMetricsW(dc_, sizeof outline, &outline) != 0) {
      metrics_.underlinePosition = std::max(-outline.otmsUnderscorePosition, 1);
      metrics_.underlineThickness = std::max(static_cast<int>(outline.otmsUnderscoreSize), 1);
    } else {
      metrics_.underlinePosition = std::max(metrics_.descent / 2, 1);
      metrics_.underlineThickness = 1;
    }
  }

  static std::wstring Utf16(char32_t character) {
    if (character < 0x10000) return std::wstring(1, static_cast<wchar_t>(character));
    const char32_t offset = character - 0x10000;
    return {static_cast<wchar_t>(0xD800 + (offset >> 10)),
            static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
  }

  // The system draws the character white on black with grey anti-aliasing in a 32-bit surface
  // with room around it (italics and some glyphs reach beyond their advance); the grey level is
  // the coverage, cut to the pixels the glyph touched.
  TGlyph Render(char32_t character) override {
    const std::wstring text = Utf16(character);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &extent);
    TGlyph glyph;
    glyph.advance = extent.cx;
    const int margin = cellHeight_ / 2 + 2;
    const int width = extent.cx + 2 * margin;
    const int height = cellHeight_ + 2 * margin;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (surface == nullptr) return glyph;
    HGDIOBJ previous = SelectObject(dc_, surface);
    PatBlt(dc_, 0, 0, width, height, BLACKNESS);
    SetTextColor(dc_, RGB(255, 255, 255));
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    TextOutW(dc_, margin, margin, text.data(), static_cast<int>(text.size()));
    GdiFlush();
    CutOut(static_cast<const std::uint32_t*>(bits), width, height, margin, glyph);
    SelectObject(dc_, previous);
    DeleteObject(surface);
    ++*rasterized_;
    return glyph;
  }

  void CutOut(const std::uint32_t* pixels, int width, int height, int margin, TGlyph& glyph) const {
    auto coverage = [&](int x, int y) {
      return static_cast<std::uint8_t>(pixels[static_cast<std::ptrdiff_t>(y) * width + x] >> 8);
    };
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (coverage(x, y) == 0) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    if (right < 0) return;  // nothing drawn: a space
    glyph.width = right - left + 1;
    glyph.height = bottom - top + 1;
    glyph.left = left - margin;
    glyph.top = margin + metrics_.ascent - top;
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y)
      for (int x = 0; x < glyph.width; ++x)
        glyph.coverage[static_cast<std::size_t>(y) * glyph.width + x] = coverage(left + x, top + y);
  }

  HFONT font_;
  HDC dc_;
  HGDIOBJ previousFont_ = nullptr;
  std::shared_ptr<std::int64_t> rasterized_;
  int cellHeight_ = 0;
  TFontMetrics metrics_;
};

class TGdiRasterizer : public TFontRasterizer {
 public:
  std::shared_ptr<TFontFace> Face(const TFontRequest& request) override {
    return faces_.Face(request, [this](const TFontRequest& wanted) { return Open(wanted); });
  }

  std::int64_t RasterizedGlyphCount() const override { return *rasterized_; }

 private:
  std::shared_ptr<TFontFace> Open(const TFontRequest& request) {
    HFONT font = CreateFontA(request.height, 0, 0, 0, request.bold ? FW_BOLD : FW_NORMAL,
                             request.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, request.faceName.c_str());
    if (font == nullptr) return nullptr;
    return std::make_shared<TGdiFace>(font, rasterized_);
  }

  // Shared with the faces, which may outlive the rasteriser.
  std::shared_ptr<std::int64_t> rasterized_ = std::make_shared<std::int64_t>(0);
  TFontFaceCache faces_;
};

}  // namespace

std::shared_ptr<TFontRasterizer> CreateGdiFontRasterizer() {
  return std::make_shared<TGdiRasterizer>();
}
