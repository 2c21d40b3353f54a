#pragma once

#include <cstdint>

#include "colour/reduction_method.h"
#include "colour/reduction_rows.h"

// Turns 24-bit rows into 8-bit palette indexes with the reducer of a method, filling the palette;
// source and target may be one buffer (reduction_rows.h). Returns the number of colour-table
// entries in use as a bitmap header states it: 224 and 216 for the uniform palettes, the number
// of colours made for the median cut, and 0 (all 256) for the others.
std::uint32_t ReducePixels(TReductionMethod method, const BITMAPINFOHEADER& header,
                           const std::uint8_t* source, std::uint8_t* target,
                           TReducedPalette palette);
