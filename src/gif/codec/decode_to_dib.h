#pragma once

#include <cstdint>

#include "framework/graphics/dib_format.h"
#include "gif/codec/pixel_rows.h"

class TGIFFrameModel;
class TMemoryStream;

// Replaces dest's content with the frame decoded as a bitmap file image (BMP layout) of 1, 4 or
// 8 bits per pixel, leaving dest at position 0. The palette holds the frame's colours, then
// mid-grey. Decoding tolerates damage (see LzwDecode): damage marks the frame corrupted (it never
// clears the mark). A frame without a usable colour table fails with "Wrong number of colors;
// must be a power of 2"; one larger than the size cap with "GIF image too large: %d x %d pixels".
void DecodeToDib(TGIFFrameModel& frame, TMemoryStream& dest);

// The info header of a frame's bitmap: width x height (rows bottom-up) at the depth its colour
// table of frameBits bits needs (1 bit; 4 for 2 to 4 bits; 8 for 5 to 8), with the image size.
// Fails as DecodeToDib does for other frameBits or a size beyond the cap.
BITMAPINFOHEADER FrameDibHeader(std::int32_t width, std::int32_t height, int frameBits);

// The info header of the frame's own bitmap (see FrameDibHeader).
BITMAPINFOHEADER FrameDibHeader(const TGIFFrameModel& frame);

// Decodes the frame as DecodeToDib does, straight into rows of its size and FrameDibHeader's
// depth, which hold zeros beforehand; for those who keep the pixels elsewhere than in a bitmap
// file image.
void DecodeFrameInto(TGIFFrameModel& frame, const TPixelRows& rows);
