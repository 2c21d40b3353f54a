#include "colour/color_histogram.h"

#include <algorithm>

void TColorHistogram::Reset(std::uint8_t redMask, std::uint8_t greenMask, std::uint8_t blueMask) {
  colorCount_ = 0;
  redMask_ = redMask;
  greenMask_ = greenMask;
  blueMask_ = blueMask;
  slots_.fill(kEmptySlot);
}

std::uint16_t& TColorHistogram::SlotOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  // Fewer colours than slots, so the probe always ends at the colour or at an empty slot.
  for (int slot = ColorHash(red, green, blue);; slot = slot + 1 == kColorHashSlots ? 0 : slot + 1) {
    std::uint16_t& held = slots_[static_cast<std::size_t>(slot)];
    if (held == kEmptySlot) return held;
    const Entry& entry = entries_[held];
    if (entry.red == red && entry.green == green && entry.blue == blue) return held;
  }
}

bool TColorHistogram::Add(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  red &= redMask_;
  green &= greenMask_;
  blue &= blueMask_;
  std::uint16_t& slot = SlotOf(red, green, blue);
  if (slot != kEmptySlot) {
    ++entries_[slot].count;
    return true;
  }
  if (colorCount_ == kCapacity) return false;
  slot = static_cast<std::uint16_t>(colorCount_);
  entries_[slot] = {blue, green, red, 1, 0};
  ++colorCount_;
  return true;
}

TColorHistogram::Entry& TColorHistogram::Find(std::uint8_t red, std::uint8_t green,
                                              std::uint8_t blue) {
  return entries_[SlotOf(red & redMask_, green & greenMask_, blue & blueMask_)];
}
