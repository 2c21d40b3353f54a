#pragma once

#include <array>
#include <cstdint>

class TStream;

// Packs GIF codes least significant bit first into data sub-blocks of 255 bytes, so that the
// stream sees one write per full block rather than one per code.
struct CodePacker {
  static constexpr int kBlockBytes = 255;

  int bitPosition = 0;  // of the next code in buffer
  int codeSize = 0;     // width of the next code in bits
  // One block and the bytes of the code that completes it (up to 12 bits past the end).
  std::array<std::uint8_t, 260> buffer{};
};

// Appends code at the packer's width; a filled block goes to dest with its length byte.
void EmitCode(TStream& dest, std::uint32_t code, CodePacker& packer);

// Writes the last, partial block (if any codes are left) and the terminator.
void FlushCodes(TStream& dest, CodePacker& packer);
