#pragma once

#include <array>
#include <cstdint>

// The LZW encoder's dictionary: which strings have codes. A string is its longest known prefix
// (a code) and one more pixel. Lookups go through a hash over the whole string, updated pixel by
// pixel, with linear probing in 17777 slots, each empty or naming a node; the nodes are a pool
// indexed by code, so that adding a string allocates nothing and clearing touches the slots only.
class TLzwDictionary {
 public:
  static constexpr std::uint32_t kSlots = 17777;
  static constexpr std::uint32_t kNodes = 4096;

  // The hash of a string of one pixel (not reduced to a slot yet).
  static constexpr std::uint32_t StartHash(std::uint32_t pixel) { return (pixel + 3) * 301; }
  // The hash of a string of length pixels ending in pixel, from the hash of the string without it.
  static std::uint32_t ExtendHash(std::uint32_t hash, std::uint32_t pixel, std::uint32_t length) {
    return (pixel + length + 4) * hash % kSlots;
  }

  TLzwDictionary() { Clear(); }

  // Forgets every string.
  void Clear() { slots_.fill(kEmpty); }

  // Where the search for a string ended: the slot naming its node (code), or the empty slot
  // where it would go (code 0).
  struct TProbe {
    std::uint32_t slot;
    std::uint32_t code;
  };

  // Looks for the string (prefix, pixel), whose hash is hash, from slot hash upwards.
  TProbe Probe(std::uint32_t hash, std::uint32_t prefix, std::uint32_t pixel) const {
    const std::uint32_t key = Key(prefix, pixel);
    std::uint32_t slot = hash;
    for (;;) {
      const std::uint32_t code = slots_[slot];
      if (code == kEmpty || nodes_[code] == key) return {slot, code};
      slot = slot + 1 == kSlots ? 0 : slot + 1;
    }
  }

  // Gives the string (prefix, pixel) the code, in the empty slot Probe found for it.
  void Add(std::uint32_t slot, std::uint32_t code, std::uint32_t prefix, std::uint32_t pixel) {
    nodes_[code] = Key(prefix, pixel);
    slots_[slot] = static_cast<std::uint16_t>(code);
  }

 private:
  // No string has code 0 (codes of strings start after the end code): 0 marks an empty slot.
  static constexpr std::uint16_t kEmpty = 0;

  // A node: the string's prefix code (12 bits) and last pixel (8 bits).
  static std::uint32_t Key(std::uint32_t prefix, std::uint32_t pixel) {
    return prefix << 8 | pixel;
  }

  std::array<std::uint16_t, kSlots> slots_;
  std::array<std::uint32_t, kNodes> nodes_{};
};
