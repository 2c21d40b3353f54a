#pragma once

#include <cstddef>
#include <cstdint>

// The GIF codec's side of the one size cap (pixel_buffer's): a logical screen or frame is accepted
// when a bitmap of 8 bits per pixel, the deepest a frame decodes to, could hold it, so that what
// the bitmaps would refuse is refused before anything is decoded or allocated for it. Sides of 0
// are accepted: such frames have no pixels.

// Refuses a picture the cap does not admit with "GIF image too large: %d x %d pixels".
void CheckImageSize(std::int64_t width, std::int64_t height);

// Bytes of a bitmap of width x height at bitsPerPixel (1, 4 or 8), rows padded to 4 bytes, after
// CheckImageSize.
std::size_t CheckedBitmapBytes(std::int64_t width, std::int64_t height, int bitsPerPixel);
