#pragma once

#include <cstdint>

#include "colour/reduction_rows.h"

// The median-cut reducer: the picture's colours are counted in cells of 4 bits per channel, and
// the set of cells is cut into boxes, each time the box and channel of the greatest width at the
// point where the box's pixels split in half, until there are wantedCount boxes (at most 256) or
// no box has two cells left. Each box becomes one palette entry, the unweighted mean of its cells;
// an entry whose channels are all at most 16 becomes black. wantedCount returns the number of
// colours made: the number of boxes, 0 for a picture without pixels. Entries from there up to the
// wanted count are zero. Source and target may be one buffer (reduction_rows.h).
void ReduceMedianCut(const BITMAPINFOHEADER& header, const std::uint8_t* source,
                     std::uint8_t* target, int& wantedCount, TReducedPalette palette);
