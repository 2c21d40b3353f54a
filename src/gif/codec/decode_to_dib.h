#pragma once

class TGIFFrameModel;
class TMemoryStream;

// Replaces dest's content with the frame decoded as a bitmap file image (BMP layout) of 1, 4 or
// 8 bits per pixel, leaving dest at position 0. The palette holds the frame's colours, then
// mid-grey. Decoding is tolerant: damage marks the frame corrupted (it never clears the mark).
// A frame without a usable colour table fails with "Wrong number of colors; must be a power of 2".
void DecodeToDib(TGIFFrameModel& frame, TMemoryStream& dest);
