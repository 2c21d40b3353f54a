#pragma once

#include <array>
#include <cstdint>

// The working data of the median cut: the picture's colours counted in 4096 cells of 4 bits per
// channel, grouped into at most 256 boxes. A box's cells form a list linked through the cells.

enum TChannel : std::uint8_t { kRed, kGreen, kBlue };

inline constexpr int kCellCount = 4096;
inline constexpr int kMaxBoxes = 256;
inline constexpr std::uint16_t kNoCell = 0xFFFF;

// The cell of a colour: red4 x 256 + green4 x 16 + blue4.
inline std::uint16_t CellOf(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<std::uint16_t>((red >> 4) << 8 | (green >> 4) << 4 | blue >> 4);
}

struct TColorCell {
  std::array<std::uint8_t, 3> level{};  // 4-bit value per channel, by TChannel
  std::uint8_t paletteIndex = 0;
  std::int32_t pixelCount = 0;
  std::uint16_t next = kNoCell;  // in the same box
};

struct TColorBox {
  // Per channel on a 0..255 scale, kept in bytes as the cut's byte arithmetic wants.
  std::array<std::uint8_t, 3> minimum{};
  std::array<std::uint8_t, 3> width{255, 255, 255};
  std::int32_t cellCount = 0;
  std::int32_t pixelCount = 0;
  std::uint16_t first = kNoCell;
};

// One block per cut, about 70 KB.
struct TMedianCutCells {
  std::array<TColorCell, kCellCount> cells{};
  std::array<TColorBox, kMaxBoxes> boxes{};
  std::array<std::uint16_t, kCellCount> sortBuffer{};
  int boxCount = 0;
};
