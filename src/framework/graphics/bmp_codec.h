#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/bitmap_object.h"
#include "framework/graphics/dib_format.h"

class TStream;

// The bitmap file image: a 14-byte file header ("BM", file size, pixel offset), an info header, a
// colour table and pixel rows.

// Reads a bitmap file image; a damaged or unsupported one raises EInvalidGraphic "Bitmap image is
// not valid: <reason>". Accepts 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with bit
// fields, bottom-up or top-down rows, core and all later info headers.
TBitmapHandle ReadBmp(std::span<const std::uint8_t> bytes);

// Writes the bitmap at its own depth: 40-byte info header, bottom-up rows, and for 1, 4 and 8 bits
// a colour table of all 2^depth entries.
void WriteBmp(TStream& stream, const TBitmapObject& bitmap);

// The info header of a bitmap at its own depth, with the given height field, and its colour table
// (all 2^depth entries for 1, 4 and 8 bits, none above), as the bitmap file image and the icon file
// share them.
BITMAPINFOHEADER DibHeaderOf(const TBitmapObject& bitmap, std::int32_t heightField,
                             std::uint32_t imageSize);
std::vector<RGBQUAD> DibColorTableOf(const TBitmapObject& bitmap);
// Bytes of a bitmap's info header and colour table as written.
std::size_t DibHeaderBytes(const TBitmapObject& bitmap);
// Writes the pixel rows bottom-up.
void WriteDibRows(TStream& stream, const TBitmapObject& bitmap);
