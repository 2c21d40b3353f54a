#pragma once

#include <cstdint>

#include "gif/codec/codec_progress.h"
#include "gif/codec/dib_header.h"

class TStream;

// Decodes one frame's LZW data into the pixel rows of a bitmap of header's size and depth (1, 4
// or 8 bits, rows bottom-up, each padded to 4 bytes). Source is positioned at the minimum code
// size byte; pixels holds the zero-filled rows. Pixel values are masked to frameBits bits.
//
// Damage: with tolerant, a broken code stream or data that runs out before the last row ends
// decoding and sets corrupt, keeping the rows decoded so far; without it they fail ("GIF encoded
// data is corrupt", "Stream read error"). Data that ends right after the last pixel, without
// an end code, is complete either way.
void LzwDecode(TStream& source, const TDibInfo& header, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t* pixels,
               std::uint8_t frameBits, bool tolerant);
