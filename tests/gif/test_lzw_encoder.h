#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Test-only makers of GIF image data (the LZW minimum code size byte, data sub-blocks and
// terminator), for feeding the decoder streams whose pixels are known.

struct EncodeOptions {
  bool leadingClear = true;
  // When the table reaches 4096 entries: a clear code, or on at 12 bits with no new entries.
  bool clearWhenFull = true;
  bool endCode = true;
  bool terminator = true;
  int blockSize = 255;  // payload bytes per data sub-block
};

// Standard GIF LZW of pixels given in the order the file stores them.
std::vector<std::uint8_t> EncodeLzw(const std::vector<std::uint8_t>& pixels, int minCodeSize,
                                    const EncodeOptions& options = {});

// Packs codes of the given widths least significant bit first: for hand-written code streams.
// The result starts with the minimum code size byte; sub-blocks and terminator as in options.
using Code = std::pair<int, int>;  // value, width in bits
std::vector<std::uint8_t> PackCodes(int minCodeSize, const std::vector<Code>& codes,
                                    const EncodeOptions& options = {});

// The codes of GIF image data as a decoder reads them: widths grow with the entries a decoder
// adds (one per code after the first following a clear code), up to 12 bits. Reading stops after
// the end code or at the end of the data.
std::vector<int> UnpackCodes(const std::vector<std::uint8_t>& data);
