#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/graphics/color_table.h"
#include "framework/graphics/gdi_object.h"
#include "framework/graphics/pixel_storage.h"

// A bitmap of 1, 4, 8, 24 or 32 bits per pixel, rows stored top-down, each padded to a multiple
// of 4 bytes. A pixel's physical value is its colour-table index for 1, 4 and 8 bits, and
// 0xAARRGGBB (bytes blue, green, red, alpha in memory) for 24 and 32 bits (alpha only at 32).
// A 1-bit bitmap whose table is black and white is monochrome.
class TBitmapObject : public TGdiObject {
 public:
  // Null when the size is refused by the pixel-buffer limits or the depth is unknown.
  static HBITMAP Create(int width, int height, int bitsPerPixel);
  static HBITMAP Create(int width, int height, int bitsPerPixel, const TColorTable& table);
  HBITMAP Clone() const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  bool IsIndexed() const { return bitsPerPixel_ <= 8; }
  bool IsMonochrome() const { return bitsPerPixel_ == 1 && IsMonochromeTable(table_); }
  // 2^bits for indexed bitmaps, 0 for others.
  int ColorCount() const { return IsIndexed() ? 1 << bitsPerPixel_ : 0; }
  std::size_t Stride() const { return stride_; }
  std::size_t ImageSize() const { return stride_ * static_cast<std::size_t>(height_); }

  const TColorTable& ColorTable() const { return table_; }
  void SetColorTable(const TColorTable& table) { table_ = table; }

  std::uint8_t* Row(int y) { return Bits() + stride_ * static_cast<std::size_t>(y); }
  const std::uint8_t* Row(int y) const { return Bits() + stride_ * static_cast<std::size_t>(y); }
  std::uint32_t* Row32(int y) { return words_.data() + stride_ / 4 * static_cast<std::size_t>(y); }
  const std::uint32_t* Row32(int y) const {
    return words_.data() + stride_ / 4 * static_cast<std::size_t>(y);
  }
  std::uint8_t* Bits() { return reinterpret_cast<std::uint8_t*>(words_.data()); }
  const std::uint8_t* Bits() const { return reinterpret_cast<const std::uint8_t*>(words_.data()); }

  // Physical values of count pixels of row y from column x; the caller keeps them inside.
  void ReadPixels(int y, int x, int count, std::uint32_t* values) const;
  void WritePixels(int y, int x, int count, const std::uint32_t* values);
  std::uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, std::uint32_t value);

  // The plain RGB colour of a physical value, and the physical value nearest to a plain RGB
  // colour (the nearest table entry for indexed bitmaps).
  TColor ColorOf(std::uint32_t value) const;
  std::uint32_t ValueOf(TColor rgb) const;
  TColor PixelColor(int x, int y) const { return ColorOf(Pixel(x, y)); }

  void Fill(std::uint32_t value);

 private:
  TBitmapObject(int width, int height, int bitsPerPixel, std::size_t stride,
                const TColorTable& table);

  int width_;
  int height_;
  int bitsPerPixel_;
  std::size_t stride_;
  TColorTable table_;
  std::vector<std::uint32_t, TPixelAllocator<std::uint32_t>> words_;
};

// Owns a bitmap the way a handle holder does: DeleteObject when it goes, so a bitmap still selected
// into a surface stays until the surface lets it go.
struct TGdiDeleter {
  void operator()(TGdiObject* object) const { DeleteObject(object); }
};
using TBitmapHandle = std::unique_ptr<TBitmapObject, TGdiDeleter>;

// Swaps red and blue: TColor (red low) to the 32-bit pixel layout (blue low) and back.
inline constexpr std::uint32_t SwapRedBlue(std::uint32_t value) {
  return (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16 & 0xFF);
}

// A new bitmap of width x height, planes x bitsPerPixel bits (1, 4, 8, 24, 32), with the default
// colour table; when bits is given it holds the rows top-down, each padded to 2 bytes as the
// platform's device bitmaps are. Null when the size is refused.
HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits = nullptr);
