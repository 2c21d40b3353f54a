#include "framework/graphics/raster_operation.h"

namespace {

bool fastPaths = true;

template <typename Operation>
void Apply(const std::uint32_t* source, std::uint32_t* destination, int count, std::uint32_t mask,
           Operation operation) {
  for (int i = 0; i < count; ++i) {
    destination[i] = operation(source ? source[i] : 0u, destination[i]) & mask;
  }
}

bool ApplyFast(std::uint8_t table, std::uint32_t pattern, const std::uint32_t* source,
               std::uint32_t* destination, int count, std::uint32_t mask) {
  using U = std::uint32_t;
  switch (table) {
    case 0xCC:  // SRCCOPY
      Apply(source, destination, count, mask, [](U s, U) { return s; });
      return true;
    case 0x88:  // SRCAND
      Apply(source, destination, count, mask, [](U s, U d) { return s & d; });
      return true;
    case 0xEE:  // SRCPAINT
      Apply(source, destination, count, mask, [](U s, U d) { return s | d; });
      return true;
    case 0x33:  // NOTSRCCOPY
      Apply(source, destination, count, mask, [](U s, U) { return ~s; });
      return true;
    case 0x66:  // SRCINVERT
      Apply(source, destination, count, mask, [](U s, U d) { return s ^ d; });
      return true;
    case 0xF0:  // PATCOPY
      Apply(nullptr, destination, count, mask, [pattern](U, U) { return pattern; });
      return true;
    case 0x00:  // BLACKNESS
      Apply(nullptr, destination, count, mask, [](U, U) { return 0u; });
      return true;
    case 0xFF:  // WHITENESS
      Apply(nullptr, destination, count, mask, [](U, U) { return ~0u; });
      return true;
    case 0x55:  // DSTINVERT
      Apply(nullptr, destination, count, mask, [](U, U d) { return ~d; });
      return true;
    default:
      return false;
  }
}

}  // namespace

std::uint32_t EvaluateRop3(std::uint8_t table, std::uint32_t pattern, std::uint32_t source,
                           std::uint32_t destination) {
  std::uint32_t result = 0;
  for (int minterm = 0; minterm < 8; ++minterm) {
    if ((table >> minterm & 1) == 0) continue;
    result |= ((minterm & 4) ? pattern : ~pattern) & ((minterm & 2) ? source : ~source) &
              ((minterm & 1) ? destination : ~destination);
  }
  return result;
}

void ApplyRop3(std::uint8_t table, std::uint32_t pattern, const std::uint32_t* source,
               std::uint32_t* destination, int count, std::uint32_t mask) {
  if (fastPaths && ApplyFast(table, pattern, source, destination, count, mask)) return;
  Apply(source, destination, count, mask, [table, pattern](std::uint32_t s, std::uint32_t d) {
    return EvaluateRop3(table, pattern, s, d);
  });
}

void SetRasterFastPaths(bool enabled) {
  fastPaths = enabled;
}

bool RasterFastPaths() {
  return fastPaths;
}
