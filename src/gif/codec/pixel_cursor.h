#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "gif/codec/interlace.h"

// Writes decoded pixels of kBits (1, 4 or 8) bits straight into the rows of a bottom-up bitmap,
// in the order the GIF stores its rows. The rows start zero-filled and every pixel is written
// once. Positions are counted in pixels from the start of the buffer, so that a string already
// written can be found again and copied.
template <int kBits>
class TPixelCursor {
 public:
  static constexpr int kPixelsPerByte = 8 / kBits;

  TPixelCursor(std::uint8_t* data, int width, int height, std::int64_t rowBytes, bool interlace)
      : data_(data),
        dataEnd_(data + rowBytes * height),
        width_(width),
        height_(height),
        rowPixels_(static_cast<std::uint32_t>(rowBytes) * kPixelsPerByte),
        interlace_(interlace) {
    // A frame without columns has no pixels to write: it is complete from the start.
    y_ = width > 0 ? 0 : height;
    SelectRow();
  }

  // Every row has been written; later pixels are ignored.
  bool Done() const { return y_ >= height_; }
  int X() const { return x_; }
  int Width() const { return width_; }
  std::uint32_t Position() const { return rowStart_ + static_cast<std::uint32_t>(x_); }

  void Put(std::uint32_t value) {
    if (Done()) return;
    Store(rowStart_ + static_cast<std::uint32_t>(x_), value);
    if (++x_ == width_) NextRow();
  }

  // Copies count pixels that were written before, starting at position from and lying within
  // one row.
  void Copy(std::uint32_t from, int count) {
    if constexpr (kBits == 8) {
      if (count <= kShortCopy && x_ + kShortCopy <= width_ &&
          data_ + from + kShortCopy <= dataEnd_) {
        CopyShort(from, count);
        return;
      }
    }
    while (count > 0 && !Done()) {
      const int n = count < width_ - x_ ? count : width_ - x_;
      CopyRun(from, rowStart_ + static_cast<std::uint32_t>(x_), n);
      from += static_cast<std::uint32_t>(n);
      count -= n;
      x_ += n;
      if (x_ == width_) NextRow();
    }
  }

  // Copies count pixels that were written before, starting at position from and going on, as
  // they were written, into the rows that followed.
  void CopyAcrossRows(std::uint32_t from, int count) {
    std::uint32_t fromX = from % rowPixels_;
    std::uint32_t fromRow = from - fromX;
    while (count > 0 && !Done()) {
      const int n = std::min({count, width_ - x_, width_ - static_cast<int>(fromX)});
      CopyRun(fromRow + fromX, rowStart_ + static_cast<std::uint32_t>(x_), n);
      count -= n;
      x_ += n;
      fromX += static_cast<std::uint32_t>(n);
      if (x_ == width_) NextRow();
      if (fromX == static_cast<std::uint32_t>(width_)) {
        fromRow = RowAfter(fromRow);
        fromX = 0;
      }
    }
  }

  // Zeroes what short copies may have written past the last pixel: rows not decoded stay 0 when
  // decoding stops early.
  void ClearAhead() {
    if (kBits == 8 && !Done()) {
      const int ahead = width_ - x_ < kShortCopy ? width_ - x_ : kShortCopy;
      std::memset(data_ + rowStart_ + x_, 0, static_cast<std::size_t>(ahead));
    }
  }

  std::uint32_t Load(std::uint32_t at) const {
    if constexpr (kBits == 8) {
      return data_[at];
    } else {
      const int shift = 8 - kBits - kBits * static_cast<int>(at % kPixelsPerByte);
      return (data_[at / kPixelsPerByte] >> shift) & ((1u << kBits) - 1);
    }
  }

 private:
  // The first pixel of a byte sets the whole byte, later ones are or-ed in.
  void Store(std::uint32_t at, std::uint32_t value) {
    if constexpr (kBits == 8) {
      data_[at] = static_cast<std::uint8_t>(value);
    } else {
      const std::uint32_t inByte = at % kPixelsPerByte;
      std::uint8_t& byte = data_[at / kPixelsPerByte];
      const auto bits = static_cast<std::uint8_t>(value << (8 - kBits - kBits * inByte));
      byte = inByte == 0 ? bits : static_cast<std::uint8_t>(byte | bits);
    }
  }

  // Copies a short string as a fixed 16 bytes, where the row and the buffer have room for them:
  // the bytes past the string are pixels of this row not written yet, rewritten later.
  void CopyShort(std::uint32_t from, int count) {
    std::uint8_t bytes[kShortCopy];
    std::memcpy(bytes, data_ + from, kShortCopy);
    std::memcpy(data_ + rowStart_ + x_, bytes, kShortCopy);
    x_ += count;
    if (x_ == width_) NextRow();
  }

  // The source pixels all come before the destination, so the two never overlap.
  void CopyRun(std::uint32_t from, std::uint32_t to, int count) {
    if constexpr (kBits == 8) {
      std::memcpy(data_ + to, data_ + from, static_cast<std::size_t>(count));
    } else {
      for (; count > 0 && to % kPixelsPerByte != 0; --count)
        Store(to++, Load(from++));
      const int bytes = count / kPixelsPerByte;
      const std::uint8_t* source = data_ + from / kPixelsPerByte;
      std::uint8_t* dest = data_ + to / kPixelsPerByte;
      const int shift = kBits * static_cast<int>(from % kPixelsPerByte);
      if (shift == 0) {
        std::memcpy(dest, source, static_cast<std::size_t>(bytes));
      } else {
        // Each destination byte takes the end of one source byte and the start of the next;
        // the last of those still holds pixels of the string.
        for (int i = 0; i < bytes; ++i) {
          dest[i] = static_cast<std::uint8_t>(source[i] << shift | source[i + 1] >> (8 - shift));
        }
      }
      const auto copied = static_cast<std::uint32_t>(bytes * kPixelsPerByte);
      from += copied;
      to += copied;
      for (count -= static_cast<int>(copied); count > 0; --count)
        Store(to++, Load(from++));
    }
  }

  // The start of the row written after the one starting at rowStart.
  std::uint32_t RowAfter(std::uint32_t rowStart) const {
    if (!interlace_) return rowStart - rowPixels_;
    const int y = height_ - 1 - static_cast<int>(rowStart / rowPixels_);
    int pass = y % 8 == 0 ? 0 : y % 8 == 4 ? 1 : y % 4 == 2 ? 2 : 3;
    const int next = NextInterlacedRow(y, height_, pass);
    return static_cast<std::uint32_t>(height_ - 1 - next) * rowPixels_;
  }

  void NextRow() {
    x_ = 0;
    y_ = interlace_ ? NextInterlacedRow(y_, height_, pass_) : y_ + 1;
    SelectRow();
  }

  // Image row y lies at (height - 1 - y) rows from the start of the buffer.
  void SelectRow() {
    if (!Done()) rowStart_ = static_cast<std::uint32_t>(height_ - 1 - y_) * rowPixels_;
  }

  static constexpr int kShortCopy = 16;

  std::uint8_t* data_;
  const std::uint8_t* dataEnd_;
  int width_;
  int height_;
  std::uint32_t rowPixels_;
  bool interlace_;
  int x_ = 0;
  int y_ = 0;
  int pass_ = 0;
  std::uint32_t rowStart_ = 0;
};
