#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/graphics/dib_format.h"

// The rows of a bitmap of 1, 4 or 8 bits per pixel that a frame is decoded into. Image row y
// starts at top + y * step bytes (step is negative for rows stored bottom-up, as in bitmap files);
// each row holds width pixels, packed from the most significant bits, and its padding to a
// multiple of 4 bytes.
struct TPixelRows {
  std::uint8_t* top = nullptr;
  std::ptrdiff_t step = 0;
  int width = 0;
  int height = 0;
  int bitsPerPixel = 8;
};

// The rows of a bitmap file image's pixels: header's width, height (positive, rows bottom-up) and
// depth.
TPixelRows BitmapFileRows(std::uint8_t* pixels, const BITMAPINFOHEADER& header);

// Packs rows of decoded colour indexes, one byte each, into their places, taking them in the order
// the GIF stores them (GIF89a section 20, interlaced or not). Padding is written as zeros.
class TRowWriter {
 public:
  TRowWriter(const TPixelRows& rows, bool interlaced);

  // Every row has been written (at once for a frame without pixels).
  bool Done() const { return y_ >= rows_.height; }
  // The next row in file order: width indexes.
  void Put(const std::uint8_t* indexes);
  // Every row not written yet, as zeros (colour 0).
  void PutZeroRows();

 private:
  void NextRow();

  TPixelRows rows_;
  std::size_t rowBytes_;
  bool interlaced_;
  int y_ = 0;
  int pass_ = 0;
};
