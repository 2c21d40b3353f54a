#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics/dib_format.h"

class TMemoryStream;

// A bitmap file image as DecodeToDib writes it, read back for checking: its header fields, its
// palette and its pixels as one colour index per byte, top row first.
struct DibPixels {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  std::uint32_t fileSize = 0;
  std::uint32_t pixelOffset = 0;
  std::uint32_t imageSize = 0;
  std::vector<RGBQUAD> palette;
  std::vector<std::uint8_t> indexes;
  std::vector<std::uint8_t> rowPadding;  // the bytes after the last pixel of every row
};

DibPixels ReadDibPixels(const TMemoryStream& dib);

// A bitmap file image as the encoder takes it: width x height colour indexes (top row first) at
// bitCount 1, 4 or 8 bits, with a palette of all 2^bitCount entries, entry i TestQuad(i): the
// colour TestColor(i).
std::vector<std::uint8_t> DibOfIndexes(int width, int height, int bitCount,
                                       const std::vector<std::uint8_t>& indexes);
RGBQUAD TestQuad(int index);
