#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TStream;

// The position of the next code in a contiguous buffer of GIF code bits, least significant bit
// first. A plain value, so that a decoding loop can keep it in registers.
struct TCodeBits {
  // Returned when fewer bits are left than the current code width needs.
  static constexpr std::uint32_t kEndOfData = 0xFFFF;

  const std::uint8_t* data = nullptr;  // followed by 4 bytes of padding
  std::uint64_t position = 0;
  std::uint64_t end = 0;
  std::uint32_t size = 0;
  std::uint32_t mask = 0;

  void SetCodeSize(int bits) {
    size = static_cast<std::uint32_t>(bits);
    mask = (1u << bits) - 1;
  }

  std::uint32_t Next() {
    if (position + size > end) return kEndOfData;
    const std::uint8_t* p = data + (position >> 3);
    const std::uint32_t word = static_cast<std::uint32_t>(p[0]) | p[1] << 8 | p[2] << 16 |
                               static_cast<std::uint32_t>(p[3]) << 24;
    const std::uint32_t code = (word >> (position & 7)) & mask;
    position += size;
    return code;
  }
};

// Gathers the data sub-blocks of GIF image data once into one contiguous buffer, so that a code
// never straddles a block, and hands out its codes.
class TCodeReader {
 public:
  // Takes the sub-blocks from source's position to its end, leaving source after them. With
  // trackPositions, SourcePosition can tell how far into source the codes reached.
  TCodeReader(TStream& source, bool trackPositions);

  TCodeBits& Bits() { return bits_; }
  std::uint32_t NextCode() { return bits_.Next(); }

  // The data ended inside a sub-block shorter than its length byte announced.
  bool CutShort() const { return cutShort_; }

  // The position in source that a reader fetching each sub-block only when its bits are needed
  // would have reached after the codes read so far (only with trackPositions).
  std::int64_t SourcePosition();
  std::int64_t SourceSize() const { return sourceSize_; }

 private:
  struct Block {
    std::uint64_t endBit;         // bits of data up to the end of this block
    std::int64_t sourcePosition;  // source position just after it
  };

  std::unique_ptr<std::uint8_t[]> data_;
  TCodeBits bits_;
  bool cutShort_ = false;
  std::vector<Block> blocks_;
  std::size_t blockIndex_ = 0;
  std::int64_t sourceEnd_ = 0;
  std::int64_t sourceSize_ = 0;
};
