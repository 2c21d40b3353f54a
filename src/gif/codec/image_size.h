#pragma once

#include <cstdint>

// The largest picture the codec accepts, in pixels: 64 Mi, room for 8192 x 8192 or a
// 16384 x 4096 strip. A header asking for more is refused before anything is allocated for it.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 26;

// Refuses a picture of more than kMaxImagePixels (or a side outside 0..65535) with
// "GIF image too large: %d x %d pixels".
void CheckImageSize(std::int64_t width, std::int64_t height);

// Bytes of a bitmap of width x height at bitsPerPixel, rows padded to 4 bytes, after
// CheckImageSize.
std::int64_t CheckedBitmapBytes(std::int64_t width, std::int64_t height, int bitsPerPixel);

// Bytes of one bitmap row: ((width x bitsPerPixel + 31) div 32) x 4.
inline std::int64_t DibRowBytes(std::int64_t width, int bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}
