#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "colour/color_hash.h"

// The colours of a picture counted under three channel masks, at most kCapacity distinct masked
// colours, found through an open-addressed hash table (kColorHashSlots slots, probed upward and
// wrapping, at most about 40 % full).
class TColorHistogram {
 public:
  static constexpr int kCapacity = 2049;

  struct Entry {
    std::uint8_t blue = 0;  // masked
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::int32_t count = 0;
    std::uint8_t paletteIndex = 0;
  };

  // Empty, under these masks.
  void Reset(std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask);

  // Counts one pixel. False, leaving the histogram full, when its masked colour is new and
  // kCapacity colours are already counted.
  bool Add(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  // The entry of a pixel's masked colour, which must have been added.
  Entry& Find(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

  std::span<Entry> Colors() { return {entries_.data(), static_cast<std::size_t>(colorCount_)}; }
  std::uint8_t RedMask() const { return redMask_; }
  std::uint8_t GreenMask() const { return greenMask_; }
  std::uint8_t BlueMask() const { return blueMask_; }

 private:
  static constexpr std::uint16_t kEmptySlot = 0xFFFF;

  // The slot holding the masked colour, or the empty slot where it would go.
  std::uint16_t& SlotOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

  std::int32_t colorCount_ = 0;
  std::uint8_t redMask_ = 0xFF;
  std::uint8_t greenMask_ = 0xFF;
  std::uint8_t blueMask_ = 0xFF;
  std::array<Entry, kCapacity> entries_{};
  std::array<std::uint16_t, kColorHashSlots> slots_{};
};
