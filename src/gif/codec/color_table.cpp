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

int TableBits(std::int32_t count) {
  int bits = 1;
  while (bits < 8 && (1 << bits) < count)
    ++bits;
  return bits;
}

int ColorIndex(const GifColorTable& table, TColor rgb) {
  const int count = std::clamp(table.count, 0, 256);
  for (int i = 0; i < count; ++i) {
    if (TripleToColor(table.entries[static_cast<std::size_t>(i)]) == rgb) return i;
  }
  return -1;
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

GifColorTable QuadsToTable(std::span<const std::uint8_t> quads) {
  GifColorTable table;
  table.count = static_cast<std::int32_t>(std::min<std::size_t>(256, quads.size() / 4));
  for (std::size_t i = 0; i < static_cast<std::size_t>(table.count); ++i)
    table.entries[i] = {quads[4 * i + 2], quads[4 * i + 1], quads[4 * i]};
  return table;
}
