#include "gif/codec/code_packer.h"

#include <algorithm>

#include "framework/core/stream.h"

void EmitCode(TStream& dest, std::uint32_t code, CodePacker& packer) {
  auto& buffer = packer.buffer;
  const auto at = static_cast<std::size_t>(packer.bitPosition / 8);
  const std::uint32_t bits = code << (packer.bitPosition % 8);
  buffer[at] = static_cast<std::uint8_t>(buffer[at] | (bits & 0xFF));
  buffer[at + 1] = static_cast<std::uint8_t>(bits >> 8);
  buffer[at + 2] = static_cast<std::uint8_t>(bits >> 16);
  packer.bitPosition += packer.codeSize;
  constexpr int kBlockBits = CodePacker::kBlockBytes * 8;
  if (packer.bitPosition < kBlockBits) return;
  dest.WriteByte(CodePacker::kBlockBytes);
  dest.WriteBuffer(buffer.data(), CodePacker::kBlockBytes);
  // The code that filled the block may reach 2 bytes past it: they start the next block.
  buffer[0] = buffer[CodePacker::kBlockBytes];
  buffer[1] = buffer[CodePacker::kBlockBytes + 1];
  std::fill(buffer.begin() + 2, buffer.end(), std::uint8_t{0});
  packer.bitPosition -= kBlockBits;
}

void FlushCodes(TStream& dest, CodePacker& packer) {
  const int bytes = (packer.bitPosition + 7) / 8;
  if (bytes > 0) {
    dest.WriteByte(static_cast<std::uint8_t>(bytes));
    dest.WriteBuffer(packer.buffer.data(), bytes);
  }
  dest.WriteByte(0);
}
