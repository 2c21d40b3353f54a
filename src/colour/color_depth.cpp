#include "colour/color_depth.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/dib_access.h"

TColorDepth GetColorDepth(TBitmap& bitmap) {
  BITMAP info;
  if (bitmap.Handle() == nullptr || GetObject(bitmap.Handle(), sizeof info, &info) == 0) {
    return TColorDepth::cdDevice;
  }
  switch (info.bmPlanes * info.bmBitsPixel) {
    case 1:
      return TColorDepth::cd1Bit;
    case 4:
      return TColorDepth::cd4Bit;
    case 8:
      return TColorDepth::cd8Bit;
    case 24:
      return TColorDepth::cd24Bit;
    default:
      return TColorDepth::cdDevice;
  }
}

int ColorsOfDepth(TColorDepth depth) {
  switch (depth) {
    case TColorDepth::cd1Bit:
      return 2;
    case TColorDepth::cd4Bit:
      return 16;
    case TColorDepth::cd8Bit:
      return 256;
    default:
      return 0;
  }
}

int BitsOfDepth(TColorDepth depth) {
  switch (depth) {
    case TColorDepth::cd1Bit:
      return 1;
    case TColorDepth::cd4Bit:
      return 4;
    case TColorDepth::cd8Bit:
      return 8;
    default:
      return 24;
  }
}
