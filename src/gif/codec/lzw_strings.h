#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// The string table of GIF LZW decoding (GIF89a appendix F): a root code stands for one colour
// index, every other entry for the string of an earlier code followed by one index. An entry keeps
// its length, its last 1 to 4 indexes (those from the last offset that is a multiple of 4) and the
// entry holding the rest, all in one 64-bit word, so that a string is written back to front, 4
// indexes at a time, without walking the table index by index. Each entry also keeps where its
// string was first written (the position of the prefix's string then), so that a decoder that
// still has those indexes can copy a long string from there in one piece.
//
// Codes run up to 4095; entry 4096 takes what a full table would add, so that adding needs no
// test for a full table. Every entry the decoder reads was written before in the same table (a
// code above the next free one is damage, never read), so the table needs no clearing.
class TLzwStrings {
 public:
  static constexpr std::uint32_t kCodes = 4096;

  // Roots 0 to clearCode - 1 stand for themselves masked to the colour table's size, so that no
  // index reaches past the table. The clear and end codes are marked as such.
  void SetRoots(std::uint32_t clearCode, std::uint32_t pixelMask) {
    for (std::uint32_t root = 0; root < clearCode; ++root)
      entries_[root] = root & pixelMask;
    entries_[clearCode] = entries_[clearCode + 1] = kControl;
  }

  // An entry as one word, to be kept while the next code is read.
  using TEntry = std::uint64_t;
  TEntry At(std::uint32_t code) const { return entries_[code]; }

  // The clear or the end code: no string.
  static bool IsControl(TEntry entry) { return entry == kControl; }
  static std::uint32_t Length(TEntry entry) {
    return static_cast<std::uint32_t>(entry >> kLengthShift) + 1;
  }
  static std::uint8_t First(TEntry entry) { return static_cast<std::uint8_t>(entry); }

  // Writes the string of entry at out and returns the entry holding its first index. Up to 3
  // bytes past the string are overwritten too.
  TEntry Write(TEntry entry, std::uint8_t* out) const {
    std::size_t offset = (entry >> kLengthShift) & ~std::size_t{3};
    for (;;) {
      const auto tail = static_cast<std::uint32_t>(entry);
      std::memcpy(out + offset, &tail, sizeof tail);
      if (offset == 0) return entry;
      offset -= 4;
      entry = entries_[entry >> kHeadShift & 0xFFFF];
    }
  }

  // Where the string of code was first written (as the decoder keeps it: only for long strings).
  std::uint32_t Position(std::uint32_t code) const { return positions_[code]; }
  void SetPosition(std::uint32_t code, std::uint32_t position) { positions_[code] = position; }

  // Entry code becomes the string of prefix followed by index; returns its length.
  std::uint32_t Add(std::uint32_t code, std::uint32_t prefix, std::uint8_t index) {
    const TEntry before = entries_[prefix];
    const std::uint64_t lengthLess1 = (before >> kLengthShift) + 1;
    const auto inTail = static_cast<unsigned>(lengthLess1 & 3);
    // A tail of 4 indexes is full: the new one starts the next, and the prefix holds the rest.
    const TEntry added =
        inTail != 0
            ? (before + (std::uint64_t{1} << kLengthShift)) | std::uint64_t{index} << 8 * inTail
            : index | std::uint64_t{prefix} << kHeadShift | lengthLess1 << kLengthShift;
    entries_[code] = added;
    return static_cast<std::uint32_t>(lengthLess1) + 1;
  }

 private:
  static_assert(std::endian::native == std::endian::little, "tails are written as 32-bit words");

  // An entry: bits 0-31 the tail, first index lowest, bytes past it 0; bits 32-47 the entry
  // holding the rest; bits 48-63 the length less 1.
  static constexpr int kHeadShift = 32;
  static constexpr int kLengthShift = 48;
  static constexpr std::uint64_t kControl = ~std::uint64_t{0};

  std::uint64_t entries_[kCodes + 1];
  std::uint32_t positions_[kCodes + 1];
};
