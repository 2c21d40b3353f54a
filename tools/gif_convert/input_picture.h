#pragma once

#include <cstdint>
#include <span>

class TBitmap;

// The picture gif-convert converts, from the bytes of its input file, told apart by their
// content: a bitmap file; an icon or cursor file (.ico, .cur), its largest image over white; an
// animated cursor (.ani), its frames side by side over white, reduced to the colours of its
// images. Damaged input raises the reader's typed error.
void LoadInputPicture(std::span<const std::uint8_t> bytes, TBitmap& bitmap);
