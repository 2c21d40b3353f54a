#include "framework/graphics/color_table.h"

namespace {

constexpr TColor kStandardColors[16] = {
    clBlack, clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clSilver,
    clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite,
};

TColorTable MonochromeTable() {
  TColorTable table{};
  table[1] = clWhite;
  return table;
}

TColorTable StandardTable() {
  TColorTable table{};
  for (int i = 0; i < 16; ++i)
    table[i] = kStandardColors[i];
  return table;
}

// 16 standard colours, then red/green/blue levels 0, 51, ..., 255 with blue varying fastest, then
// 24 greys between the cube's levels.
TColorTable EightBitTable() {
  TColorTable table = StandardTable();
  int index = 16;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        table[index++] = RGB(static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                             static_cast<std::uint8_t>(b * 51));
      }
    }
  }
  for (int i = 0; index < 256; ++i) {
    const auto level = static_cast<std::uint8_t>(8 + i * 10);
    table[index++] = RGB(level, level, level);
  }
  return table;
}

}  // namespace

const TColorTable& DefaultColorTable(int bitsPerPixel) {
  static const TColorTable none{};
  static const TColorTable monochrome = MonochromeTable();
  static const TColorTable standard = StandardTable();
  static const TColorTable eightBit = EightBitTable();
  switch (bitsPerPixel) {
    case 1:
      return monochrome;
    case 4:
      return standard;
    case 8:
      return eightBit;
    default:
      return none;
  }
}

bool IsMonochromeTable(const TColorTable& table) {
  return table[0] == clBlack && table[1] == clWhite;
}
