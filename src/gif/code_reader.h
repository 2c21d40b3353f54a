#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TStream;

// Reads the variable-width codes of GIF image data, least significant bit first. The data
// sub-blocks are gathered once into one contiguous buffer, so a code never straddles a block.
class TCodeReader {
 public:
  // Returned when fewer bits are left than the current code width needs.
  static constexpr std::uint32_t kEndOfData = 0xFFFF;

  // Takes the sub-blocks from source's position to its end, leaving source after them. With
  // trackPositions, SourcePosition can tell how far into source a code reached.
  TCodeReader(TStream& source, bool trackPositions);

  void SetCodeSize(int bits) {
    codeSize_ = static_cast<std::uint32_t>(bits);
    codeMask_ = (1u << bits) - 1;
  }

  std::uint32_t NextCode() {
    if (bitPos_ + codeSize_ > bitEnd_) {
      exhausted_ = true;
      return kEndOfData;
    }
    // The buffer carries 4 bytes of padding, so this never reads past it.
    const std::uint8_t* p = data_.get() + (bitPos_ >> 3);
    const std::uint32_t bits = static_cast<std::uint32_t>(p[0]) | p[1] << 8 | p[2] << 16 |
                               static_cast<std::uint32_t>(p[3]) << 24;
    const std::uint32_t code = (bits >> (bitPos_ & 7)) & codeMask_;
    bitPos_ += codeSize_;
    return code;
  }

  // The data ended inside a sub-block shorter than its length byte announced.
  bool CutShort() const { return cutShort_; }

  // The position in source a reader that fetched each sub-block only when its bits were needed
  // would have reached after the codes read so far (only with trackPositions).
  std::int64_t SourcePosition();
  std::int64_t SourceSize() const { return sourceSize_; }

 private:
  struct Block {
    std::uint64_t endBit;         // bits of data up to the end of this block
    std::int64_t sourcePosition;  // source position just after it
  };

  std::unique_ptr<std::uint8_t[]> data_;
  std::uint64_t bitPos_ = 0;
  std::uint64_t bitEnd_ = 0;
  std::uint32_t codeSize_ = 0;
  std::uint32_t codeMask_ = 0;
  bool cutShort_ = false;
  bool exhausted_ = false;
  std::vector<Block> blocks_;
  std::size_t blockIndex_ = 0;
  std::int64_t sourceStart_ = 0;
  std::int64_t sourceEnd_ = 0;
  std::int64_t sourceSize_ = 0;
};
