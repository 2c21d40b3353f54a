#include "framework/graphics/color.h"

#include <gtest/gtest.h>

#include "framework/core/exceptions.h"
#include "framework/graphics/color_ident.h"
#include "framework/graphics/font.h"

TEST(Color, SystemColoursResolveThroughTheTable) {
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
  EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
  EXPECT_EQ(ColorToRGB(clNone), clNone);  // not a system colour: unchanged
  EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), 0x030201);
  EXPECT_EQ(PALETTERGB(1, 2, 3), 0x02030201);
}

TEST(Color, IdentifiersReadAndWriteAsFormDataHasThem) {
  EXPECT_EQ(IdentToColor("clnavy"), clNavy);
  EXPECT_EQ(IdentToColor("clDkGray"), clGray);
  EXPECT_EQ(IdentToColor("clFoo"), std::nullopt);
  EXPECT_EQ(ColorToIdent(clGray), "clGray");
  EXPECT_EQ(ColorToIdent(static_cast<TColor>(0x80000005u)), "clWindow");
  EXPECT_EQ(ColorToIdent(0x00CAFFFF), std::nullopt);

  EXPECT_EQ(ColorFromPropertyValue(TIdentValue{"clFuchsia"}), clFuchsia);
  EXPECT_EQ(ColorFromPropertyValue(std::int64_t{13303807}), 0x00CAFFFF);
  EXPECT_EQ(ColorFromPropertyValue(std::int64_t{-2147483643}), clWindow);
  EXPECT_EQ(ColorToPropertyValue(0x00E7E7E7), TPropertyValue(std::int64_t{15198183}));
  EXPECT_EQ(ColorToPropertyValue(clSilver), TPropertyValue(TIdentValue{"clSilver"}));
  EXPECT_THROW(ColorFromPropertyValue(TIdentValue{"clFoo"}), EReadError);
  EXPECT_THROW(ColorFromPropertyValue(std::string("red")), EReadError);
}

TEST(Color, FontPropertiesComeFromFormData) {
  TFont font;
  const TPropertyTable& table = font.Properties();
  table.Find("Name")->write(font, std::string("Verdana"));
  table.Find("Height")->write(font, std::int64_t{-13});
  table.Find("Style")->write(font, TSetValue{{"fsBold", "fsItalic"}});
  table.Find("Color")->write(font, TIdentValue{"clNavy"});
  table.Find("Charset")->write(font, TIdentValue{"DEFAULT_CHARSET"});
  EXPECT_EQ(font.Name(), "Verdana");
  EXPECT_EQ(font.Height(), -13);
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Style(), FontStyleBit(fsBold) | FontStyleBit(fsItalic));
  EXPECT_EQ(font.Color(), clNavy);
  EXPECT_EQ(std::get<TIdentValue>(table.Find("Color")->read(font)).name, "clNavy");
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -11);
  int changes = 0;
  font.SetOnChange([&](TObject*) { ++changes; });
  font.SetColor(clNavy);  // unchanged
  font.SetColor(clBlack);
  EXPECT_EQ(changes, 1);
}
