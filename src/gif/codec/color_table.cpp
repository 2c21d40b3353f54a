#include "gif/codec/color_table.h"

#include <algorithm>

#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"

int ColorCountBits(std::int32_t count) {
  const auto count16 = static_cast<std::uint16_t>(count);
  for (int bits = 1; bits <= 8; ++bits) {
    if (count16 == 1 << bits) return bits;
  }
  GifError(gif_messages::kWrongColorCount);
}

TColor TripleToColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return RGB(red, green, blue);
}

std::array<RGBQUAD, 256> TableToQuads(const GifColorTable& table) {
  std::array<RGBQUAD, 256> quads;
  quads.fill({0x80, 0x80, 0x80, 0x80});
  const int count = std::clamp(table.count, 0, 256);
  for (int i = 0; i < count; ++i) {
    const GifRgb& rgb = table.entries[static_cast<std::size_t>(i)];
    quads[static_cast<std::size_t>(i)] = {rgb.blue, rgb.green, rgb.red, 0};
  }
  return quads;
}
