#pragma once

#include <cstdint>

// Slots of the popularity histogram's hash table; a prime, so that the product below spreads.
inline constexpr int kColorHashSlots = 5191;

// The slot a colour's search starts at, 0 to kColorHashSlots - 1:
// ((red + green) x (green + blue) x (blue + red)) mod kColorHashSlots. The product is at most
// 510^3, well inside 32 bits.
inline int ColorHash(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return (red + green) * (green + blue) * (blue + red) % kColorHashSlots;
}
