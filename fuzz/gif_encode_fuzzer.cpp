// Makes a bitmap of arbitrary size, depth and pixels from arbitrary bytes, encodes it as a GIF
// frame, writes the GIF, reads it back and decodes the frame: the pixels and colours must come
// back exactly as they went in. The first 5 bytes choose the bitmap: width and height (16 bits
// each, capped so that a run stays quick) and the depth (1, 4 or 8 bits); the next bytes fill the
// palette, then the rows, over again until the bitmap is full.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/core/memory_stream.h"
#include "framework/graphics/dib_format.h"
#include "framework/graphics/pixel_buffer.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/encode_from_dib.h"
#include "gif/codec/gif_image_model.h"

namespace {

constexpr int kMaxSide = 1024;
constexpr std::size_t kMaxPixels = std::size_t{1} << 18;

// The bytes from data (cycling over it; zeros when it is empty).
std::vector<std::uint8_t> Filled(std::size_t count, const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; size > 0 && i < count; ++i)
    bytes[i] = data[i % size];
  return bytes;
}

// Clears the bits past the last pixel of every row, which the decoder leaves 0.
void ClearPadding(std::vector<std::uint8_t>& rows, int width, int height, int bits) {
  const std::size_t rowBytes = *pixel_buffer::RowBytes(width, bits);
  const std::size_t usedBits = static_cast<std::size_t>(width) * static_cast<std::size_t>(bits);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = rows.data() + rowBytes * static_cast<std::size_t>(y);
    for (std::size_t bit = usedBits; bit < rowBytes * 8; ++bit)
      row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] & ~(0x80 >> (bit % 8)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  int width = (data[0] | data[1] << 8) % (kMaxSide + 1);
  const int height = (data[2] | data[3] << 8) % (kMaxSide + 1);
  if (static_cast<std::size_t>(width) * static_cast<std::size_t>(height) > kMaxPixels)
    width = static_cast<int>(kMaxPixels / static_cast<std::size_t>(height));
  static constexpr int kDepths[] = {1, 4, 8};
  const int bits = kDepths[data[4] % 3];
  data += 5;
  size -= 5;

  BITMAPINFOHEADER info;
  info.biWidth = width;
  info.biHeight = height;
  info.biBitCount = static_cast<std::uint16_t>(bits);
  info.biSizeImage = static_cast<std::uint32_t>(*pixel_buffer::RowBytes(width, bits) *
                                                static_cast<std::size_t>(height));
  const std::size_t colors = std::size_t{1} << bits;
  std::vector<RGBQUAD> palette(colors);
  const std::vector<std::uint8_t> paletteBytes = Filled(3 * colors, data, size);
  for (std::size_t i = 0; i < colors; ++i)
    palette[i] = {paletteBytes[3 * i], paletteBytes[3 * i + 1], paletteBytes[3 * i + 2], 0};
  std::vector<std::uint8_t> rows = Filled(info.biSizeImage, data, size);
  ClearPadding(rows, width, height, bits);
  TMemoryStream dib;
  WriteBmpHeaders(dib, info, palette);
  dib.WriteBuffer(rows.data(), static_cast<std::int64_t>(rows.size()));

  TGIFImageModel image;
  EncodeFromDib(image.AppendNewFrame(), dib);
  TMemoryStream gif;
  image.WriteGif(gif, TLengthPrefix::Omitted);
  TGIFImageModel read;
  gif.SetPosition(0);
  read.ReadGifContent(gif.Size(), gif);
  TMemoryStream decoded;
  DecodeToDib(*read.FrameAt(0), decoded);
  if (read.FrameAt(0)->Corrupted() || decoded.Bytes() != dib.Bytes()) std::abort();
  return 0;
}
