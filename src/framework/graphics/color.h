#pragma once

#include <cstdint>

// A colour: red in the low byte, then green, then blue. A value with the top bit set names a
// system colour (its low byte is the index into the system colour table); clNone means no colour.
// Bit 25 set (PaletteRelative form) asks a palette surface for the nearest entry of its selected
// palette; a top byte of 1 names an entry of that palette by index.
using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours: the top bit and the index into the system colour table.
inline constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index));
}
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr int kSystemColorCount = 25;

inline constexpr std::uint32_t kPaletteRelativeFlag = 0x02000000;
inline constexpr std::uint32_t kPaletteIndexFlag = 0x01000000;

inline constexpr TColor RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<TColor>(red | green << 8 | blue << 16);
}
inline constexpr std::uint8_t GetRValue(TColor color) {
  return static_cast<std::uint8_t>(color);
}
inline constexpr std::uint8_t GetGValue(TColor color) {
  return static_cast<std::uint8_t>(color >> 8);
}
inline constexpr std::uint8_t GetBValue(TColor color) {
  return static_cast<std::uint8_t>(color >> 16);
}
inline constexpr TColor PALETTEINDEX(std::uint16_t index) {
  return static_cast<TColor>(kPaletteIndexFlag | index);
}
inline constexpr TColor PALETTERGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<TColor>(kPaletteRelativeFlag |
                             static_cast<std::uint32_t>(RGB(red, green, blue)));
}

// over laid on under with coverage alpha (0..255), rounded to nearest; plain RGB colours.
inline constexpr TColor BlendColors(TColor over, TColor under, int alpha) {
  auto mix = [alpha](int a, int b) {
    return static_cast<std::uint8_t>((a * alpha + b * (255 - alpha) + 127) / 255);
  };
  return RGB(mix(GetRValue(over), GetRValue(under)), mix(GetGValue(over), GetGValue(under)),
             mix(GetBValue(over), GetBValue(under)));
}

// The RGB value of a system colour from the classic desktop colour scheme; 0 (black) for an index
// outside the table.
TColor GetSysColor(int index);

// A system colour resolved through the system colour table; any other value unchanged (as the
// platform does: clNone stays clNone, palette flags stay).
TColor ColorToRGB(TColor color);

// Just the red, green and blue bytes of a colour, system colours resolved first.
inline TColor ColorToPlainRGB(TColor color) {
  return ColorToRGB(color) & 0xFFFFFF;
}
