#pragma once

#include <cstdint>

#include "colour/reduction_rows.h"

// Three 64-level ramps in one palette: entries 0-63 red, 64-127 green, 128-191 blue (each level
// 4 x i), 192-255 black. Each pixel keeps one of its channels, chosen by (x + y) mod 3 with y
// counted in stored rows (red, green, blue), so a picture becomes interleaved single-channel
// dots. Source and target may be one buffer (reduction_rows.h).
void ReduceTriplet(const BITMAPINFOHEADER& header, const std::uint8_t* source, std::uint8_t* target,
                   TReducedPalette palette);
