#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

// The codes of GIF image data, least significant bit first, from its data sub-blocks. The
// sub-blocks are gathered a few kilobytes at a time into one contiguous stage with a padded tail,
// so that no code straddles a block and bits are fetched 64 at a time, without a copy of the
// whole data.
//
// The decoding loop keeps the cursor in locals (stores of decoded pixels could touch any member)
// and fetches bits itself while the cursor is at or before SafeEnd(); past it, Restage gathers
// more blocks or takes the last bytes one at a time.
class TCodeReader {
 public:
  // What a code reads as when fewer bits are left than the code width.
  static constexpr std::uint32_t kEndOfData = 0xFFFF;

  struct TCursor {
    std::uint64_t bits = 0;            // fetched, not yet taken, lowest first
    unsigned count = 0;                // of them
    const std::uint8_t* at = nullptr;  // the next byte to fetch
  };

  // blocks: the data sub-blocks, from the first length byte on. With trackBlocks, the reader
  // remembers where each block ends, for SourcePosition.
  TCodeReader(std::span<const std::uint8_t> blocks, bool trackBlocks);

  TCursor Start() const { return {0, 0, stage_.get() + kFront}; }
  // Up to here, Fetch may take 8 bytes at once.
  const std::uint8_t* SafeEnd() const { return safeEnd_; }

  // Tops the cursor up to at least 56 bits from the 8 bytes at cursor.at, which lies at or before
  // SafeEnd(). Bits past the count are those of the next bytes, so or-ing them in again is
  // harmless.
  static void Fetch(TCursor& cursor) {
    std::uint64_t word;
    std::memcpy(&word, cursor.at, sizeof word);
    cursor.bits |= word << cursor.count;
    cursor.at += (63 - cursor.count) >> 3;
    cursor.count |= 56;
  }

  // Moves the bytes left to the front of the stage and gathers more blocks behind them, or, at
  // the end of the data, fetches the last bytes one by one; then tops the cursor up as far as it
  // can.
  TCursor Restage(TCursor cursor);

  // Tops the cursor up to at least width bits; false when the data has fewer left.
  bool Refill(TCursor& cursor, unsigned width) {
    if (cursor.count >= width) return true;
    if (cursor.at <= safeEnd_) {
      Fetch(cursor);
    } else {
      cursor = Restage(cursor);
    }
    return cursor.count >= width;
  }

  // Takes the next code of width bits (at most 12); mask holds width bits.
  std::uint32_t Next(TCursor& cursor, unsigned width, std::uint32_t mask) {
    if (!Refill(cursor, width)) return kEndOfData;
    const auto code = static_cast<std::uint32_t>(cursor.bits) & mask;
    cursor.bits >>= width;
    cursor.count -= width;
    return code;
  }

  // The data ended inside a sub-block shorter than its length byte announced.
  bool CutShort() const { return cutShort_; }

  // Where in blocks a reader that fetched each sub-block only when it needed its bits would be
  // after the codes read up to cursor: just after the block holding the last bit read (or the
  // end, once the data has run out). Needs trackBlocks.
  std::size_t SourcePosition(const TCursor& cursor) const;

 private:
  struct Block {
    std::uint64_t endBit;  // bits gathered up to the end of this block
    std::size_t end;       // position in blocks just after it
  };

  void Gather();

  static constexpr std::size_t kFront = 8;  // room before the stage, so SafeEnd stays inside
  static constexpr std::size_t kStage = 4096;
  static constexpr std::size_t kPadding = 8;

  std::span<const std::uint8_t> blocks_;
  std::size_t next_ = 0;  // position in blocks_ of the next length byte
  bool cutShort_ = false;
  std::unique_ptr<std::uint8_t[]> stage_;
  const std::uint8_t* end_;  // of the bytes in the stage
  const std::uint8_t* safeEnd_;
  std::uint64_t gathered_ = 0;  // bytes gathered so far
  bool trackBlocks_;
  std::vector<Block> ends_;
};
