#pragma once

#include <cstdint>
#include <vector>

#include "dib_pixels.h"
#include "gif/codec/codec_progress.h"
#include "gif/codec/lzw_decoder.h"

class TGIFFrameModel;

// One frame decoded straight through LzwDecode: colour indexes top row first, and the damage
// flag.
struct RawDecode {
  std::vector<std::uint8_t> indexes;
  bool corrupt = false;
};

RawDecode DecodeRaw(const std::vector<std::uint8_t>& data, int width, int height, int frameBits,
                    bool interlaced = false, TDamagePolicy damage = TDamagePolicy::Tolerate,
                    const TCodecProgress& progress = {});

// Frame index of a GIF read without decoding, then decoded through DecodeToDib.
struct DecodedFrame {
  DibPixels dib;
  bool corrupted = false;
};
DecodedFrame DecodeGifFrame(const std::vector<std::uint8_t>& gif, int index = 0);

// Pixels in the order a frame of that size stores its rows.
std::vector<std::uint8_t> InFileOrder(const std::vector<std::uint8_t>& indexes, int width,
                                      int height, bool interlaced);

// A frame's encoded pixels as kept (the minimum code size byte, then the sub-blocks); none when it
// has none.
std::vector<std::uint8_t> EncodedBytes(const TGIFFrameModel& frame);
