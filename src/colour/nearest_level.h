#pragma once

#include <array>
#include <cstdint>

// The channel levels of the fixed palettes, and for each level table a map from a channel value
// to the index of its nearest level (on a tie the lower index), so that the uniform reducers look
// a channel up instead of searching.

inline constexpr std::array<std::uint8_t, 4> kLevels4 = {0, 85, 170, 255};
inline constexpr std::array<std::uint8_t, 6> kLevels6 = {0, 51, 102, 153, 204, 255};
inline constexpr std::array<std::uint8_t, 7> kLevels7 = {0, 43, 85, 128, 170, 213, 255};
inline constexpr std::array<std::uint8_t, 8> kLevels8 = {0, 36, 73, 109, 146, 182, 219, 255};

using TNearestLevelMap = std::array<std::uint8_t, 256>;

struct TNearestLevelMaps {
  TNearestLevelMap of4;
  TNearestLevelMap of6;
  TNearestLevelMap of7;
  TNearestLevelMap of8;
};

// The maps, built on first use.
const TNearestLevelMaps& NearestLevelMaps();

// The colour module's start-up step: builds the maps before any reduction runs.
void BuildNearestLevelMaps();
