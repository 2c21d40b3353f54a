#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>

#include "framework/graphics/device_context.h"

// Turns pixel values of a source surface into values of a destination surface, as copying between
// them does: monochrome to colour gives the destination's text colour for 0 and its background
// colour for 1; colour to monochrome gives 1 where the pixel equals the source's background colour
// and 0 elsewhere; other pairs go through RGB to the nearest colour the destination holds.
class TPixelConversion {
 public:
  TPixelConversion(const TDeviceContext& source, const TDeviceContext& destination);

  bool IsIdentity() const { return kind_ == Kind::kIdentity; }
  void Convert(std::uint32_t* values, int count);

 private:
  enum class Kind { kIdentity, kTable, kToMonochrome, kNearest };

  void BuildTable(const TDeviceContext& source, const TDeviceContext& destination);

  Kind kind_ = Kind::kIdentity;
  std::array<std::uint32_t, 256> table_{};
  std::uint32_t background_ = 0;
  const TBitmapObject& destination_;
  std::unordered_map<std::uint32_t, std::uint32_t> nearest_;
};
