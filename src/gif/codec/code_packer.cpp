#include "gif/codec/code_packer.h"

#include <algorithm>

#include "framework/core/stream.h"

void FlushBlock(TStream& dest, CodePacker& packer) {
  auto& buffer = packer.buffer;
  dest.WriteByte(CodePacker::kBlockBytes);
  dest.WriteBuffer(buffer.data(), CodePacker::kBlockBytes);
  // The code that filled the block may reach 2 bytes past it: they start the next block.
  buffer[0] = buffer[CodePacker::kBlockBytes];
  buffer[1] = buffer[CodePacker::kBlockBytes + 1];
  std::fill(buffer.begin() + 2, buffer.end(), std::uint8_t{0});
  packer.bitPosition -= CodePacker::kBlockBytes * 8;
}

void FlushCodes(TStream& dest, CodePacker& packer) {
  const int bytes = (packer.bitPosition + 7) / 8;
  if (bytes > 0) {
    dest.WriteByte(static_cast<std::uint8_t>(bytes));
    dest.WriteBuffer(packer.buffer.data(), bytes);
  }
  dest.WriteByte(0);
}
