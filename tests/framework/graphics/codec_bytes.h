#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace graphics_test {

// Little-endian byte building for hand-written image files.
class Bytes {
 public:
  Bytes& u8(unsigned v) {
    data_.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  Bytes& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8 & 0xFF); }
  Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  Bytes& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
  Bytes& raw(std::initializer_list<unsigned> values) {
    for (unsigned v : values)
      u8(v);
    return *this;
  }
  Bytes& zeros(std::size_t n) {
    data_.insert(data_.end(), n, 0);
    return *this;
  }
  Bytes& append(const std::vector<std::uint8_t>& more) {
    data_.insert(data_.end(), more.begin(), more.end());
    return *this;
  }
  std::size_t size() const { return data_.size(); }
  const std::vector<std::uint8_t>& get() const { return data_; }
  operator const std::vector<std::uint8_t>&() const { return data_; }
  operator std::span<const std::uint8_t>() const { return data_; }

 private:
  std::vector<std::uint8_t> data_;
};

// A 40-byte info header.
inline Bytes InfoHeader(std::int32_t width, std::int32_t height, unsigned bits,
                        std::uint32_t compression = 0, std::uint32_t colorsUsed = 0) {
  Bytes b;
  b.u32(40)
      .i32(width)
      .i32(height)
      .u16(1)
      .u16(bits)
      .u32(compression)
      .u32(0)
      .i32(0)
      .i32(0)
      .u32(colorsUsed)
      .u32(0);
  return b;
}

// A file header for a bitmap file image of total size with pixels at offset.
inline Bytes FileHeader(std::uint32_t size, std::uint32_t offset) {
  Bytes b;
  b.raw({'B', 'M'}).u32(size).u32(0).u32(offset);
  return b;
}

}  // namespace graphics_test
