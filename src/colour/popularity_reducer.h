#pragma once

#include <cstdint>

#include "colour/reduction_rows.h"

// The popularity reducer: counts the picture's colours in a TColorHistogram and keeps the most
// frequent ones; every other colour takes its nearest kept colour.
//
// While the picture has more distinct masked colours than the histogram holds, one mask loses its
// lowest bit and counting starts again (from three full masks: blue, red, green, blue, ...), so
// the kept colours are the masked ones. Palette entry i is the i-th most frequent colour (on equal
// counts the colour met first, rows in storage order); entries past the kept colours read
// (128, 128, 128). wantedCount (at most 256) limits the kept colours. Source and target may be one
// buffer (reduction_rows.h). Nothing stays allocated when an exception passes.
void ReducePopularity(const BITMAPINFOHEADER& header, TReducedPalette palette,
                      const std::uint8_t* source, std::uint8_t* target, int wantedCount,
                      std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask);
