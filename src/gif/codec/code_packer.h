#pragma once

#include <array>
#include <cstddef>
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

// Writes the full block that starts the buffer to dest, with its length byte, and moves what
// follows it to the start.
void FlushBlock(TStream& dest, CodePacker& packer);

// Appends code at the packer's width; a filled block goes to dest with its length byte.
inline void EmitCode(TStream& dest, std::uint32_t code, CodePacker& packer) {
  auto& buffer = packer.buffer;
  const auto at = static_cast<std::size_t>(packer.bitPosition / 8);
  const std::uint32_t bits = code << (packer.bitPosition % 8);
  buffer[at] = static_cast<std::uint8_t>(buffer[at] | (bits & 0xFF));
  buffer[at + 1] = static_cast<std::uint8_t>(bits >> 8);
  buffer[at + 2] = static_cast<std::uint8_t>(bits >> 16);
  packer.bitPosition += packer.codeSize;
  if (packer.bitPosition >= CodePacker::kBlockBytes * 8) FlushBlock(dest, packer);
}

// Writes the last, partial block (if any codes are left) and the terminator.
void FlushCodes(TStream& dest, CodePacker& packer);
