#pragma once

#include <cstdint>

#include "framework/graphics/types.h"

// The small sums of the drawing routines and the animator.

inline constexpr std::int32_t RectWidth(const TRect& rect) {
  return rect.right - rect.left;
}

inline constexpr std::int32_t RectHeight(const TRect& rect) {
  return rect.bottom - rect.top;
}

inline constexpr std::int32_t LargerOf(std::int32_t a, std::int32_t b) {
  return a > b ? a : b;
}

inline constexpr std::int32_t SmallerOf(std::int32_t a, std::int32_t b) {
  return a < b ? a : b;
}
