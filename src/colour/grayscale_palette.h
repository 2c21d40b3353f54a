#pragma once

#include <cstdint>

#include "colour/reduction_rows.h"

// 256 grey levels: entry i is (i, i, i) and a pixel becomes (77 red + 150 green + 29 blue) >> 8.
// Source and target may be one buffer (reduction_rows.h).
void ReduceGrayscale(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                     std::uint8_t* target, TReducedPalette palette);
