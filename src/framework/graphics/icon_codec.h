#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/bitmap_object.h"
#include "framework/graphics/types.h"

class TStream;

// The icon and cursor file: a directory of images, each a colour (XOR) bitmap of 1, 4, 8, 24 or
// 32 bits per pixel (stored as a bitmap or PNG-compressed) and a 1-bit AND mask (1 where the
// background shows through). A cursor's directory holds each image's hot spot.

struct TIconImage {
  TBitmapHandle color;
  TBitmapHandle mask;  // monochrome, the colour bitmap's size
  TPoint hotSpot;

  TIconImage() = default;
  TIconImage(TBitmapHandle colorBitmap, TBitmapHandle maskBitmap, TPoint spot = {})
      : color(std::move(colorBitmap)), mask(std::move(maskBitmap)), hotSpot(spot) {}
  TIconImage(const TIconImage& other);
  TIconImage& operator=(const TIconImage& other);
  TIconImage(TIconImage&&) = default;
  TIconImage& operator=(TIconImage&&) = default;

  int Width() const { return color->Width(); }
  int Height() const { return color->Height(); }
  // True when a 32-bit image carries alpha (any pixel with a nonzero alpha byte).
  bool HasAlpha() const;
};

struct TIconFile {
  bool cursor = false;
  std::vector<TIconImage> images;
};

// Reads an .ico or .cur file; a damaged one raises EInvalidGraphic "Icon image is not valid:
// <reason>". Images stored in the compressed PNG form become 32-bit images with alpha, whose mask
// is set where they are fully transparent.
TIconFile ReadIconFile(std::span<const std::uint8_t> bytes);

// Writes every image at its own depth, with its mask, hot spots for a cursor.
void WriteIconFile(TStream& stream, const TIconFile& file);
