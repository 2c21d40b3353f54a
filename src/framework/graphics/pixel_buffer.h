#pragma once

#include <cstddef>
#include <optional>

// The one place where pixel-buffer sizes are computed and capped. Every bitmap creation and every
// reader of outside data (bitmap files, icons, the GIF codec) goes through it, so an overflowing or
// absurd width x height x depth is refused before anything is allocated.
namespace pixel_buffer {

// Neither side of a bitmap may exceed this many pixels.
inline constexpr int kMaxSide = 16384;
// No pixel buffer may exceed this many bytes (a 4096 x 4096 image at 32 bits per pixel).
inline constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

// Bytes in one stored row: width pixels of bitsPerPixel bits, padded to a multiple of 4 bytes,
// ((width x bitsPerPixel + 31) div 32) x 4. Empty when the width is not 0..kMaxSide or the depth
// is unknown.
std::optional<std::size_t> RowBytes(int width, int bitsPerPixel);

// Bytes of a whole image of stored rows. Empty when a side is not 1..kMaxSide, the depth is not
// one of 1, 4, 8, 16, 24, 32, or the result would exceed kMaxBytes.
std::optional<std::size_t> Size(int width, int height, int bitsPerPixel);

// As Size, but a refused size raises EInvalidGraphic naming the dimensions; what names the kind of
// image in the message ("Bitmap", "Icon").
std::size_t RequireSize(int width, int height, int bitsPerPixel, const char* what);

}  // namespace pixel_buffer
