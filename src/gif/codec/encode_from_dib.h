#pragma once

class TGIFFrameModel;
class TMemoryStream;

// Makes the frame's encoded pixels, colour table and size from a bitmap file image of 1, 4 or 8
// bits per pixel (BMP layout: 40-byte info header, the whole palette of 2, 16 or 256 entries,
// uncompressed rows bottom-up), not interlaced. The first frame to be encoded gives its image the
// global colour table; every later one carries its own table, even an equal one. The owner's
// logical screen grows to hold the frame. Progress goes to the frame's owner.
//
// Any other depth, or a source that does not hold the layout it announces, fails with "GIF image
// encoding error". When a progress handler cancels with EAbort the frame is reset (its pixels and
// fields are lost) before EAbort goes on; after any other failure the frame keeps no encoded
// pixels, so that the next write encodes it again.
void EncodeFromDib(TGIFFrameModel& frame, TMemoryStream& source);
