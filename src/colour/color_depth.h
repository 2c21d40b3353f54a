#pragma once

#include <cstdint>

class TBitmap;

// The depths a bitmap can be converted to; cdDevice keeps the bitmap's own.
enum class TColorDepth : std::uint8_t { cdDevice, cd1Bit, cd4Bit, cd8Bit, cd24Bit };

// The depth of a bitmap's device bitmap; cdDevice when it has none or a depth not listed (16, 32).
TColorDepth GetColorDepth(TBitmap& bitmap);

// Colours a palette of that depth holds: 2, 16, 256; 0 for cdDevice and cd24Bit (no palette).
int ColorsOfDepth(TColorDepth depth);

// Bits per pixel: 1, 4, 8, 24; 0 for cdDevice (whatever the bitmap has).
int BitsOfDepth(TColorDepth depth);
