#include "gif/codec/pixel_rows.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "framework/graphics/pixel_buffer.h"
#include "gif/codec/interlace.h"

namespace {

std::uint64_t Load64(const std::uint8_t* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// Eight indexes of 0 or 1 (the first in the lowest byte of a little-endian load) as one byte, the
// first index in the most significant bit. The byte swap puts the first index in the top byte,
// and the multiply gathers bit 0 of every byte into the top byte without carries.
std::uint8_t PackEightBits(std::uint64_t indexes) {
  return static_cast<std::uint8_t>(
      ((__builtin_bswap64(indexes) & 0x0101010101010101u) * 0x0102040810204080u) >> 56);
}

// Eight indexes of 0 to 15 as four bytes, the first index of each pair in the high nibble.
std::uint32_t PackEightNibbles(std::uint64_t indexes) {
  std::uint64_t pairs = (indexes & 0x00FF00FF00FF00FFu) << 4 | (indexes >> 8 & 0x00FF00FF00FF00FFu);
  pairs = (pairs | pairs >> 8) & 0x0000FFFF0000FFFFu;
  return static_cast<std::uint32_t>(pairs | pairs >> 16);
}

void PackBits(const std::uint8_t* indexes, int width, std::uint8_t* row) {
  int x = 0;
  for (; x + 8 <= width; x += 8)
    *row++ = PackEightBits(Load64(indexes + x));
  if (x < width) {
    std::uint8_t last = 0;
    for (int bit = 0; x < width; ++x, ++bit)
      last = static_cast<std::uint8_t>(last | (indexes[x] & 1) << (7 - bit));
    *row = last;
  }
}

void PackNibbles(const std::uint8_t* indexes, int width, std::uint8_t* row) {
  int x = 0;
#if defined(__SSE2__)
  // Sixteen at a time: each 16-bit lane takes its even index shifted up and its odd one, and the
  // lanes are packed to bytes.
  for (; x + 16 <= width; x += 16, row += 8) {
    const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(indexes + x));
    const __m128i even = _mm_and_si128(sixteen, _mm_set1_epi16(0x00FF));
    const __m128i lanes = _mm_or_si128(_mm_slli_epi16(even, 4), _mm_srli_epi16(sixteen, 8));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(row), _mm_packus_epi16(lanes, lanes));
  }
#endif
  for (; x + 8 <= width; x += 8, row += 4) {
    const std::uint32_t packed = PackEightNibbles(Load64(indexes + x));
    std::memcpy(row, &packed, sizeof packed);
  }
  for (; x < width; x += 2) {
    const int low = x + 1 < width ? indexes[x + 1] & 15 : 0;
    *row++ = static_cast<std::uint8_t>((indexes[x] & 15) << 4 | low);
  }
}

}  // namespace

TPixelRows BitmapFileRows(std::uint8_t* pixels, const BITMAPINFOHEADER& header) {
  const std::size_t rowBytes =
      pixel_buffer::RowBytes(header.biWidth, header.biBitCount).value_or(0);
  const auto lastRow = static_cast<std::size_t>(header.biHeight > 0 ? header.biHeight - 1 : 0);
  return {pixels + rowBytes * lastRow, -static_cast<std::ptrdiff_t>(rowBytes), header.biWidth,
          header.biHeight, header.biBitCount};
}

TRowWriter::TRowWriter(const TPixelRows& rows, bool interlaced)
    : rows_(rows),
      rowBytes_(pixel_buffer::RowBytes(rows.width, rows.bitsPerPixel).value_or(0)),
      interlaced_(interlaced) {
  // A frame without columns has no pixels to write: it is complete from the start.
  if (rows.width <= 0) y_ = rows.height;
}

void TRowWriter::PutZeroRows() {
  while (!Done()) {
    std::memset(rows_.top + rows_.step * y_, 0, rowBytes_);
    NextRow();
  }
}

void TRowWriter::NextRow() {
  y_ = interlaced_ ? NextInterlacedRow(y_, rows_.height, pass_) : y_ + 1;
}

void TRowWriter::Put(const std::uint8_t* indexes) {
  std::uint8_t* row = rows_.top + rows_.step * y_;
  const auto width = static_cast<std::size_t>(rows_.width);
  std::size_t used;
  switch (rows_.bitsPerPixel) {
    case 1:
      PackBits(indexes, rows_.width, row);
      used = (width + 7) / 8;
      break;
    case 4:
      PackNibbles(indexes, rows_.width, row);
      used = (width + 1) / 2;
      break;
    default:
      std::memcpy(row, indexes, width);
      used = width;
  }
  std::memset(row + used, 0, rowBytes_ - used);
  NextRow();
}
