#include "framework/controls/geometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

TRect IntersectRect(const TRect& a, const TRect& b) {
  const TRect result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
  return result.IsEmpty() ? TRect{} : result;
}

TRect UnionRect(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

TRect OffsetRect(const TRect& rect, int dx, int dy) {
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

bool PtInRect(const TRect& rect, TPoint point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

int MulDiv(int a, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = std::int64_t{a} * numerator;
  const std::int64_t half = std::abs(std::int64_t{denominator}) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const std::int64_t magnitude = (std::abs(product) + half) / std::abs(std::int64_t{denominator});
  return static_cast<int>(negative ? -magnitude : magnitude);
}
