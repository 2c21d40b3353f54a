#include "framework/graphics/palette.h"

#include <algorithm>

int NearestColorIndex(std::span<const TColor> colors, TColor rgb) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < colors.size(); ++i) {
    const int dr = GetRValue(colors[i]) - GetRValue(rgb);
    const int dg = GetGValue(colors[i]) - GetGValue(rgb);
    const int db = GetBValue(colors[i]) - GetBValue(rgb);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return best;
}

TPaletteObject::TPaletteObject(std::span<const PALETTEENTRY> entries)
    : entries_(entries.begin(), entries.end()) {
  colors_.reserve(entries_.size());
  for (const auto& entry : entries_)
    colors_.push_back(RGB(entry.peRed, entry.peGreen, entry.peBlue));
}

HPALETTE CreatePalette(std::span<const PALETTEENTRY> entries) {
  if (entries.empty()) return nullptr;
  return new TPaletteObject(
      entries.first(std::min<std::size_t>(entries.size(), TPaletteObject::kMaxEntries)));
}

unsigned GetPaletteEntries(HPALETTE palette, unsigned start, unsigned count,
                           PALETTEENTRY* entries) {
  if (palette == nullptr) return 0;
  const auto total = static_cast<unsigned>(palette->Count());
  if (entries == nullptr) return total;
  if (start >= total) return 0;
  const unsigned n = std::min(count, total - start);
  std::copy_n(palette->Entries().begin() + start, n, entries);
  return n;
}

unsigned GetNearestPaletteIndex(HPALETTE palette, TColor color) {
  if (palette == nullptr) return 0;
  return static_cast<unsigned>(palette->NearestIndex(ColorToPlainRGB(color)));
}
