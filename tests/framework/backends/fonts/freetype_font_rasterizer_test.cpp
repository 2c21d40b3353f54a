#include "framework/backends/freetype_font_rasterizer.h"

#include <gtest/gtest.h>

#include "framework/backends/font_face_mapping.h"

namespace {

struct FaceCase {
  const char* face;
  bool bold;
  bool italic;
  const char* family;
  const char* style;
};

}  // namespace

// The faces the program's window names, in the styles it uses, at every size it uses.
TEST(FreeTypeFontRasterizer, MapsTheWindowsFacesToTheClosestInstalledOnes) {
  auto rasterizer = CreateFreeTypeFontRasterizer();
  const FaceCase cases[] = {
      {"MS Sans Serif", false, false, "Arimo", "Regular"},
      {"Verdana", false, false, "DejaVu Sans", "Book"},
      {"Verdana", true, false, "DejaVu Sans", "Bold"},
      {"Trebuchet MS", true, false, "Arimo", "Bold"},
      {"Times New Roman", true, true, "Tinos", "Bold Italic"},
  };
  for (const auto& c : cases) {
    for (const int pixels : {11, 13, 15, 24, 31}) {
      SCOPED_TRACE(std::string(c.face) + " " + std::to_string(pixels));
      auto face = rasterizer->Face({c.face, -pixels, c.bold, c.italic});
      ASSERT_NE(face, nullptr);
      EXPECT_EQ(face->Metrics().familyName, c.family);
      EXPECT_EQ(face->Metrics().styleName, c.style);
      const TFontMetrics& m = face->Metrics();
      EXPECT_GE(m.ascent + m.descent, pixels);
      EXPECT_LE(m.ascent + m.descent, pixels * 3 / 2);
      EXPECT_EQ(m.internalLeading, m.ascent + m.descent - pixels);
      EXPECT_GT(face->Glyph('W').advance, face->Glyph('i').advance);
    }
  }
}

TEST(FreeTypeFontRasterizer, PositiveHeightsAreCellHeights) {
  auto rasterizer = CreateFreeTypeFontRasterizer();
  auto face = rasterizer->Face({"Verdana", 26, false, false});
  const TFontMetrics& m = face->Metrics();
  EXPECT_NEAR(m.ascent + m.descent, 26, 1);
}

TEST(FreeTypeFontRasterizer, SharesFacesAndCachesGlyphs) {
  auto rasterizer = CreateFreeTypeFontRasterizer();
  auto a = rasterizer->Face({"Verdana", -13, true, false});
  auto b = rasterizer->Face({"verdana", -13, true, false});
  EXPECT_EQ(a, b);
  EXPECT_NE(a, rasterizer->Face({"Verdana", -13, false, false}));
  const auto before = rasterizer->RasterizedGlyphCount();
  const TGlyph& first = a->Glyph('Q');
  EXPECT_EQ(rasterizer->RasterizedGlyphCount(), before + 1);
  for (char32_t c = 'a'; c <= 'z'; ++c)
    a->Glyph(c);
  const TGlyph& again = a->Glyph('Q');
  EXPECT_EQ(&first, &again);  // references stay valid as the cache grows
  EXPECT_EQ(rasterizer->RasterizedGlyphCount(), before + 27);
  EXPECT_EQ(first.coverage.size(), static_cast<std::size_t>(first.width * first.height));
  EXPECT_GT(first.top, 0);
}

// Faces of one file share it, each drawing at its own size whatever the other drew last.
TEST(FreeTypeFontRasterizer, FacesOfOneFileKeepTheirOwnSizes) {
  const TFontRequest small{"Verdana", -11, true, false};
  const TFontRequest large{"Verdana", -31, true, false};
  auto alone = CreateFreeTypeFontRasterizer()->Face(small);
  auto rasterizer = CreateFreeTypeFontRasterizer();
  auto shared = rasterizer->Face(small);
  auto other = rasterizer->Face(large);
  ASSERT_EQ(shared->Metrics().fileName, other->Metrics().fileName);
  for (const char32_t c : U"Mg") {
    other->Glyph(c);
    const TGlyph& glyph = shared->Glyph(c);
    EXPECT_EQ(glyph.advance, alone->Glyph(c).advance);
    EXPECT_EQ(glyph.coverage, alone->Glyph(c).coverage);
  }
}

TEST(FreeTypeFontRasterizer, FacesOutliveTheirRasteriser) {
  std::shared_ptr<TFontFace> face;
  {
    auto rasterizer = CreateFreeTypeFontRasterizer();
    face = rasterizer->Face({"Times New Roman", -31, true, true});
  }
  EXPECT_GT(face->Glyph('M').advance, 0);
}

TEST(FontFaceMapping, UnknownFacesFallBackToTheirGenericFamily) {
  EXPECT_EQ(FamiliesFor("Some Serif"), (std::vector<std::string>{"Some Serif", "serif"}));
  EXPECT_EQ(FamiliesFor("Gadget").back(), "sans-serif");
  EXPECT_EQ(FamiliesFor("times new roman")[1], "Tinos");
}
