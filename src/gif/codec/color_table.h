#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "framework/graphics/color.h"
#include "framework/graphics/dib_format.h"

struct GifRgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const GifRgb&) const = default;
};

static_assert(sizeof(GifRgb) == 3);

// A GIF colour table. All 256 entries exist, so no colour index can reach outside the table;
// entries at and beyond count are zero.
struct GifColorTable {
  std::int32_t count = 0;
  std::array<GifRgb, 256> entries{};
  bool operator==(const GifColorTable&) const = default;
};

// Bits per pixel (1..8) of a table of count colours; any count but 2, 4, ..., 256 (taken as a
// 16-bit value) fails with "Wrong number of colors; must be a power of 2".
int ColorCountBits(std::int32_t count);

// Bits per pixel (1..8) of the smallest table that holds count colours (up to 256).
int TableBits(std::int32_t count);

// The first index of the table's colours (below its count) holding rgb; -1 when none does.
int ColorIndex(const GifColorTable& table, TColor rgb);

TColor TripleToColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
inline TColor TripleToColor(const GifRgb& rgb) {
  return TripleToColor(rgb.red, rgb.green, rgb.blue);
}

// The bitmap palette of a table: its entries in BMP order, and mid-grey (0x80 in all four
// bytes) for the entries the table does not have.
std::array<RGBQUAD, 256> TableToQuads(const GifColorTable& table);

// The colour table of a bitmap palette given as its stored bytes (Blue, Green, Red, reserved per
// entry): its first 256 entries at most, the rest of the table zero.
GifColorTable QuadsToTable(std::span<const std::uint8_t> quads);
