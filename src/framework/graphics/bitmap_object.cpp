#include "framework/graphics/bitmap_object.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/graphics/palette.h"
#include "framework/graphics/pixel_buffer.h"

namespace {

bool SupportedDepth(int bitsPerPixel) {
  return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 ||
         bitsPerPixel == 32;
}

// 1-bit rows, most significant bit first; whole bytes at a time between the ragged ends.
void ReadBits(const std::uint8_t* row, int x, int count, std::uint32_t* values) {
  int i = 0;
  for (; i < count && ((x + i) & 7) != 0; ++i)
    values[i] = row[(x + i) / 8] >> (7 - ((x + i) & 7)) & 1;
  for (; i + 8 <= count; i += 8) {
    const std::uint8_t byte = row[(x + i) / 8];
    for (int bit = 0; bit < 8; ++bit)
      values[i + bit] = byte >> (7 - bit) & 1;
  }
  for (; i < count; ++i)
    values[i] = row[(x + i) / 8] >> (7 - ((x + i) & 7)) & 1;
}

void WriteBit(std::uint8_t* row, int column, std::uint32_t value) {
  const int shift = 7 - (column & 7);
  std::uint8_t& byte = row[column / 8];
  byte = static_cast<std::uint8_t>((byte & ~(1 << shift)) | (value & 1) << shift);
}

void WriteBits(std::uint8_t* row, int x, int count, const std::uint32_t* values) {
  int i = 0;
  for (; i < count && ((x + i) & 7) != 0; ++i)
    WriteBit(row, x + i, values[i]);
  for (; i + 8 <= count; i += 8) {
    unsigned byte = 0;
    for (int bit = 0; bit < 8; ++bit)
      byte = byte << 1 | (values[i + bit] & 1);
    row[(x + i) / 8] = static_cast<std::uint8_t>(byte);
  }
  for (; i < count; ++i)
    WriteBit(row, x + i, values[i]);
}

}  // namespace

TBitmapObject::TBitmapObject(int width, int height, int bitsPerPixel, std::size_t stride,
                             const TColorTable& table)
    : width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
      stride_(stride),
      table_(table),
      words_(stride / 4 * static_cast<std::size_t>(height)) {}

HBITMAP TBitmapObject::Create(int width, int height, int bitsPerPixel) {
  return Create(width, height, bitsPerPixel, DefaultColorTable(bitsPerPixel));
}

HBITMAP TBitmapObject::Create(int width, int height, int bitsPerPixel, const TColorTable& table) {
  if (!SupportedDepth(bitsPerPixel) || !pixel_buffer::Size(width, height, bitsPerPixel))
    return nullptr;
  const std::size_t stride = *pixel_buffer::RowBytes(width, bitsPerPixel);
  try {
    return new TBitmapObject(width, height, bitsPerPixel, stride, table);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

HBITMAP TBitmapObject::Clone() const {
  HBITMAP copy = Create(width_, height_, bitsPerPixel_, table_);
  if (copy != nullptr) copy->words_ = words_;
  return copy;
}

void TBitmapObject::ReadPixels(int y, int x, int count, std::uint32_t* values) const {
  const std::uint8_t* row = Row(y);
  switch (bitsPerPixel_) {
    case 32:
      std::memcpy(values, Row32(y) + x, static_cast<std::size_t>(count) * 4);
      break;
    case 24:
      for (int i = 0; i < count; ++i) {
        const std::uint8_t* p = row + (x + i) * 3;
        values[i] = p[0] | p[1] << 8 | static_cast<std::uint32_t>(p[2]) << 16;
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i)
        values[i] = row[x + i];
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        const int column = x + i;
        values[i] = (row[column / 2] >> ((column & 1) ? 0 : 4)) & 0x0F;
      }
      break;
    default:
      ReadBits(row, x, count, values);
      break;
  }
}

void TBitmapObject::WritePixels(int y, int x, int count, const std::uint32_t* values) {
  std::uint8_t* row = Row(y);
  switch (bitsPerPixel_) {
    case 32:
      std::memcpy(Row32(y) + x, values, static_cast<std::size_t>(count) * 4);
      break;
    case 24:
      for (int i = 0; i < count; ++i) {
        std::uint8_t* p = row + (x + i) * 3;
        p[0] = static_cast<std::uint8_t>(values[i]);
        p[1] = static_cast<std::uint8_t>(values[i] >> 8);
        p[2] = static_cast<std::uint8_t>(values[i] >> 16);
      }
      break;
    case 8:
      for (int i = 0; i < count; ++i)
        row[x + i] = static_cast<std::uint8_t>(values[i]);
      break;
    case 4:
      for (int i = 0; i < count; ++i) {
        const int column = x + i;
        const int shift = (column & 1) ? 0 : 4;
        std::uint8_t& byte = row[column / 2];
        byte = static_cast<std::uint8_t>((byte & ~(0x0F << shift)) | (values[i] & 0x0F) << shift);
      }
      break;
    default:
      WriteBits(row, x, count, values);
      break;
  }
}

std::uint32_t TBitmapObject::Pixel(int x, int y) const {
  std::uint32_t value;
  ReadPixels(y, x, 1, &value);
  return value;
}

void TBitmapObject::SetPixel(int x, int y, std::uint32_t value) {
  WritePixels(y, x, 1, &value);
}

TColor TBitmapObject::ColorOf(std::uint32_t value) const {
  if (IsIndexed()) return table_[value & 0xFF];
  return static_cast<TColor>(SwapRedBlue(value));
}

std::uint32_t TBitmapObject::ValueOf(TColor rgb) const {
  if (!IsIndexed()) return SwapRedBlue(static_cast<std::uint32_t>(rgb));
  return static_cast<std::uint32_t>(
      NearestColorIndex(std::span<const TColor>(table_.data(), ColorCount()), rgb));
}

void TBitmapObject::Fill(std::uint32_t value) {
  if (height_ == 0) return;
  std::vector<std::uint32_t> row(static_cast<std::size_t>(width_), value);
  WritePixels(0, 0, width_, row.data());
  for (int y = 1; y < height_; ++y)
    std::memcpy(Row(y), Row(0), stride_);
}

HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits) {
  const unsigned depth = planes * bitsPerPixel;
  if (depth > 32) return nullptr;
  HBITMAP bitmap = TBitmapObject::Create(width, height, static_cast<int>(depth));
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  const std::size_t sourceStride = (static_cast<std::size_t>(width) * depth + 15) / 16 * 2;
  const std::size_t copied = std::min(sourceStride, bitmap->Stride());
  const auto* source = static_cast<const std::uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    std::memcpy(bitmap->Row(y), source + sourceStride * static_cast<std::size_t>(y), copied);
  }
  return bitmap;
}
