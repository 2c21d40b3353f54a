#include "framework/graphics/dib_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/little_endian.h"
#include "framework/graphics/dib_access.h"
#include "framework/graphics/pixel_buffer.h"

void RaiseInvalid(const std::string& message, const char* reason) {
  throw EInvalidGraphic(message + ": " + reason);
}

namespace {

constexpr std::size_t kCoreHeader = 12;
constexpr std::size_t kInfoHeader = 40;

bool KnownHeaderSize(std::size_t size) {
  return size == kCoreHeader || size == kInfoHeader || size == 52 || size == 56 || size == 64 ||
         size == 108 || size == 124;
}

void CheckFormat(const TDibInfo& info, const std::string& message) {
  switch (info.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
      if (info.compression != BI_RGB)
        RaiseInvalid(message, "compressed pixel data is not supported");
      break;
    case 16:
    case 32:
      if (info.compression != BI_RGB && info.compression != BI_BITFIELDS)
        RaiseInvalid(message, "compressed pixel data is not supported");
      break;
    default:
      RaiseInvalid(message, "unknown bits per pixel");
  }
}

void ReadDimensions(std::span<const std::uint8_t> dib, TDibInfo& info, const std::string& message) {
  std::int64_t width, height;
  if (info.headerBytes == kCoreHeader) {
    width = ReadLittleEndian16(dib, 4);
    height = ReadLittleEndian16(dib, 6);
    info.bitsPerPixel = ReadLittleEndian16(dib, 10);
  } else {
    width = static_cast<std::int32_t>(ReadLittleEndian32(dib, 4));
    height = static_cast<std::int32_t>(ReadLittleEndian32(dib, 8));
    info.bitsPerPixel = ReadLittleEndian16(dib, 14);
    info.compression = ReadLittleEndian32(dib, 16);
  }
  if (width <= 0 || height == 0) RaiseInvalid(message, "zero or negative dimensions");
  CheckFormat(info, message);
  info.topDown = height < 0;
  height = height < 0 ? -height : height;  // 64 bits: the most negative height is no trap
  const int stored = info.bitsPerPixel == 16 ? 32 : info.bitsPerPixel;
  if (width > pixel_buffer::kMaxSide || height > pixel_buffer::kMaxSide ||
      !pixel_buffer::Size(static_cast<int>(width), static_cast<int>(height), stored))
    RaiseInvalid(message, "dimensions too large");
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);
}

void ReadMasks(std::span<const std::uint8_t> dib, TDibInfo& info, std::size_t& at,
               const std::string& message) {
  if (info.compression == BI_BITFIELDS) {
    // A 40-byte header is followed by the three masks; larger headers hold them.
    const std::size_t place = info.headerBytes == kInfoHeader ? at : kInfoHeader;
    if (place + 12 > dib.size()) RaiseInvalid(message, "bit-field masks past the end");
    for (int i = 0; i < 3; ++i)
      info.masks[i] = ReadLittleEndian32(dib, place + 4 * static_cast<std::size_t>(i));
    if (info.headerBytes == kInfoHeader) at += 12;
  } else if (info.bitsPerPixel == 16) {
    info.masks[0] = 0x7C00;
    info.masks[1] = 0x03E0;
    info.masks[2] = 0x001F;
  } else {
    info.masks[0] = 0xFF0000;
    info.masks[1] = 0x00FF00;
    info.masks[2] = 0x0000FF;
  }
}

// Tolerated: a colour count above what the depth can index (the extra entries are skipped), and a
// count below it (the missing entries read black, so no pixel value can index outside the table).
void ReadColorTable(std::span<const std::uint8_t> dib, TDibInfo& info, std::size_t& at,
                    const std::string& message) {
  const bool core = info.headerBytes == kCoreHeader;
  const std::uint64_t entrySize = core ? 3 : 4;
  std::uint64_t count = core ? 0 : ReadLittleEndian32(dib, 32);
  if (info.bitsPerPixel <= 8 && (count == 0 || core)) count = std::uint64_t{1} << info.bitsPerPixel;
  if (at + count * entrySize > dib.size()) RaiseInvalid(message, "colour table past the end");
  const std::uint64_t used = std::min<std::uint64_t>(count, info.bitsPerPixel <= 8 ? 256 : 0);
  for (std::uint64_t i = 0; i < used; ++i) {
    const std::size_t entry = at + static_cast<std::size_t>(i * entrySize);
    info.table[static_cast<std::size_t>(i)] = RGB(dib[entry + 2], dib[entry + 1], dib[entry]);
  }
  at += static_cast<std::size_t>(count * entrySize);
}

// A channel of a bit-field pixel scaled to 0..255.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask >> shift);
  const std::uint32_t value = (pixel & mask) >> shift;
  if (bits >= 8) return value >> (bits - 8);
  const std::uint32_t top = (std::uint32_t{1} << bits) - 1;
  return (value * 255 + top / 2) / top;
}

bool StandardMasks(const TDibInfo& info) {
  return info.masks[0] == 0xFF0000 && info.masks[1] == 0x00FF00 && info.masks[2] == 0x0000FF;
}

void ConvertBitFieldRow(const TDibInfo& info, const std::uint8_t* source, std::uint32_t* target) {
  for (int x = 0; x < info.width; ++x) {
    std::uint32_t pixel;
    if (info.bitsPerPixel == 16) {
      pixel = static_cast<std::uint32_t>(source[2 * x] | source[2 * x + 1] << 8);
    } else {
      std::memcpy(&pixel, source + 4 * x, 4);
    }
    target[x] = Channel(pixel, info.masks[0]) << 16 | Channel(pixel, info.masks[1]) << 8 |
                Channel(pixel, info.masks[2]);
  }
}

}  // namespace

TDibInfo ReadDibInfo(std::span<const std::uint8_t> dib, const std::string& message) {
  if (dib.size() < 4) RaiseInvalid(message, "header cut short");
  TDibInfo info;
  info.headerBytes = ReadLittleEndian32(dib, 0);
  if (!KnownHeaderSize(info.headerBytes)) RaiseInvalid(message, "unknown header size");
  if (dib.size() < info.headerBytes) RaiseInvalid(message, "header cut short");
  ReadDimensions(dib, info, message);
  std::size_t at = info.headerBytes;
  ReadMasks(dib, info, at, message);
  ReadColorTable(dib, info, at, message);
  info.headerBytes = at;
  return info;
}

TBitmapHandle ReadDibPixels(const TDibInfo& info, int rows, std::span<const std::uint8_t> pixels,
                            const std::string& message) {
  if (rows < 1) RaiseInvalid(message, "zero or negative dimensions");
  const std::size_t stride = *pixel_buffer::RowBytes(info.width, info.bitsPerPixel);
  // Tolerated: a last row without its padding, which some writers leave out.
  const std::size_t lastRow = (static_cast<std::size_t>(info.width) * info.bitsPerPixel + 7) / 8;
  if (pixels.size() < stride * static_cast<std::size_t>(rows - 1) + lastRow)
    RaiseInvalid(message, "pixel data cut short");
  const bool bitFields =
      info.bitsPerPixel == 16 || (info.bitsPerPixel == 32 && !StandardMasks(info));
  const int depth = bitFields ? 32 : info.bitsPerPixel;
  TBitmapHandle bitmap(TBitmapObject::Create(info.width, rows, depth, info.table));
  if (!bitmap) RaiseInvalid(message, "dimensions too large");
  for (int row = 0; row < rows; ++row) {
    const std::uint8_t* source = pixels.data() + stride * static_cast<std::size_t>(row);
    const int y = info.topDown ? row : rows - 1 - row;
    if (bitFields) {
      ConvertBitFieldRow(info, source, bitmap->Row32(y));
    } else {
      const std::size_t available = pixels.size() - stride * static_cast<std::size_t>(row);
      std::memcpy(bitmap->Row(y), source, std::min({stride, available, bitmap->Stride()}));
    }
  }
  return bitmap;
}
