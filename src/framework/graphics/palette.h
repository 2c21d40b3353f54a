#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/color.h"
#include "framework/graphics/gdi_object.h"

struct PALETTEENTRY {
  std::uint8_t peRed = 0;
  std::uint8_t peGreen = 0;
  std::uint8_t peBlue = 0;
  std::uint8_t peFlags = 0;
  bool operator==(const PALETTEENTRY&) const = default;
};

// The index of the colour nearest to rgb (squared distance in red, green and blue; the lowest
// index on a tie). colors holds plain RGB values; it must not be empty.
int NearestColorIndex(std::span<const TColor> colors, TColor rgb);

// A logical palette: up to 256 colours that a palette surface picks from.
class TPaletteObject : public TGdiObject {
 public:
  static constexpr int kMaxEntries = 256;
  explicit TPaletteObject(std::span<const PALETTEENTRY> entries);

  int Count() const { return static_cast<int>(colors_.size()); }
  const std::vector<PALETTEENTRY>& Entries() const { return entries_; }
  // The entries as plain RGB colours.
  const std::vector<TColor>& Colors() const { return colors_; }
  int NearestIndex(TColor rgb) const { return NearestColorIndex(colors_, rgb); }
  TColor NearestColor(TColor rgb) const { return colors_[NearestIndex(rgb)]; }

 private:
  std::vector<PALETTEENTRY> entries_;
  std::vector<TColor> colors_;
};

// A new palette of 1..256 entries (more are ignored); null for none.
HPALETTE CreatePalette(std::span<const PALETTEENTRY> entries);
// Copies up to count entries from start into entries; returns how many were copied. With a null
// entries pointer, returns the number of entries in the palette.
unsigned GetPaletteEntries(HPALETTE palette, unsigned start, unsigned count, PALETTEENTRY* entries);
// The index of the entry nearest to the colour (system colours resolved); 0 for a null palette.
unsigned GetNearestPaletteIndex(HPALETTE palette, TColor color);
