#include "colour/color_depth.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/dib_access.h"

namespace {

struct TDepthFacts {
  int bits;
  int colors;
};

// By TColorDepth.
constexpr TDepthFacts kDepthFacts[] = {{0, 0}, {1, 2}, {4, 16}, {8, 256}, {24, 0}};

}  // namespace

TColorDepth GetColorDepth(TBitmap& bitmap) {
  BITMAP object;
  if (bitmap.Handle() == nullptr || GetObject(bitmap.Handle(), sizeof object, &object) == 0) {
    return TColorDepth::cdDevice;
  }
  const int bits = object.bmPlanes * object.bmBitsPixel;
  for (std::size_t depth = 1; depth < std::size(kDepthFacts); ++depth) {
    if (kDepthFacts[depth].bits == bits) return static_cast<TColorDepth>(depth);
  }
  return TColorDepth::cdDevice;
}

int ColorsOfDepth(TColorDepth depth) {
  return kDepthFacts[static_cast<std::size_t>(depth)].colors;
}

int BitsOfDepth(TColorDepth depth) {
  return kDepthFacts[static_cast<std::size_t>(depth)].bits;
}
