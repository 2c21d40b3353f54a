#pragma once

#include <cstdint>

#include "framework/graphics/dib_format.h"
#include "gif/codec/codec_progress.h"

class TStream;

// Compresses the pixel rows of a bitmap of header's width, height and depth (biBitCount 1, 4 or
// 8; rows bottom-up, each padded to 4 bytes) into GIF image data appended to dest: the LZW
// minimum code size byte (2 for 1 bit, else the depth), a clear code, the codes in data
// sub-blocks of 255 bytes, the end code and the terminator. Rows are taken in GIF interlace
// order when interlaced; pixel values are taken as stored. Strings run on across rows; the
// dictionary is cleared when it reaches code 4094, so codes never grow past 12 bits. Progress is
// reported after every row. Any other depth fails with "GIF image encoding error".
//
// Where this differs from the plain algorithm, so that every decoder reads exactly the frame:
// - The end code is written at the width a decoder reads it with: the decoder adds an entry for
//   the last string's code and may widen its codes on that entry.
//     LzwEncode.EndCodeIsWrittenAtTheWidthDecodersReadIt
// - A clear on the very last pixel leaves no string open, and none is written after it.
//     LzwEncode.DictionaryFillingOnTheLastPixelAddsNoPixel
void LzwEncode(TStream& dest, const BITMAPINFOHEADER& header, bool interlaced,
               const TCodecProgress& progress, const std::uint8_t* pixels);
