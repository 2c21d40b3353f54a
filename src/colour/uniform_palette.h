#pragma once

#include <cstdint>

#include "colour/reduction_rows.h"

// The two fixed uniform palettes: each channel goes to its nearest level and the level indexes
// combine into the entry number. Entries the palette does not use read (128, 128, 128) with a
// reserved byte of 128. Source and target may be one buffer (reduction_rows.h).

// 6 x 6 x 6 levels: entry red x 36 + green x 6 + blue, 216 entries.
void ReduceUniform666(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                      std::uint8_t* target, TReducedPalette palette);

// 7 red x 8 green x 4 blue levels: entry red x 32 + green x 4 + blue, 224 entries.
void ReduceUniform784(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                      std::uint8_t* target, TReducedPalette palette);

inline constexpr int kUniform666Colors = 216;
inline constexpr int kUniform784Colors = 224;
