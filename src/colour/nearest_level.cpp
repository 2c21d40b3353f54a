#include "colour/nearest_level.h"

#include <cstdlib>
#include <span>

namespace {

TNearestLevelMap BuildMap(std::span<const std::uint8_t> levels) {
  TNearestLevelMap map{};
  for (int value = 0; value < 256; ++value) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < levels.size(); ++i) {
      if (std::abs(value - levels[i]) < std::abs(value - levels[nearest])) nearest = i;
    }
    map[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(nearest);
  }
  return map;
}

}  // namespace

const TNearestLevelMaps& NearestLevelMaps() {
  static const TNearestLevelMaps maps{BuildMap(kLevels4), BuildMap(kLevels6), BuildMap(kLevels7),
                                      BuildMap(kLevels8)};
  return maps;
}

void BuildNearestLevelMaps() {
  NearestLevelMaps();
}
