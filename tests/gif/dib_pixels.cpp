#include "dib_pixels.h"

#include <cstring>
#include <stdexcept>

#include "gif_builder.h"

#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/pixel_buffer.h"

DibPixels ReadDibPixels(const TMemoryStream& dib) {
  const std::vector<std::uint8_t>& bytes = dib.Bytes();
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') throw std::runtime_error("no BMP");
  DibPixels result;
  result.fileSize = ReadLittleEndian32(bytes, 2);
  result.pixelOffset = ReadLittleEndian32(bytes, 10);
  result.width = static_cast<int>(ReadLittleEndian32(bytes, 18));
  result.height = static_cast<int>(ReadLittleEndian32(bytes, 22));
  result.bitCount = ReadLittleEndian16(bytes, 28);
  result.imageSize = ReadLittleEndian32(bytes, 34);
  const int entries = 1 << result.bitCount;
  result.palette.resize(static_cast<std::size_t>(entries));
  std::memcpy(result.palette.data(), bytes.data() + 54, 4 * static_cast<std::size_t>(entries));
  const std::size_t rowBytes = *pixel_buffer::RowBytes(result.width, result.bitCount);
  if (bytes.size() < result.pixelOffset + rowBytes * static_cast<std::size_t>(result.height)) {
    throw std::runtime_error("BMP rows cut short");
  }
  const int perByte = 8 / result.bitCount;
  for (int y = 0; y < result.height; ++y) {
    const std::uint8_t* row = bytes.data() + result.pixelOffset +
                              rowBytes * static_cast<std::size_t>(result.height - 1 - y);
    for (int x = 0; x < result.width; ++x) {
      const int shift = 8 - result.bitCount * (x % perByte + 1);
      result.indexes.push_back(
          static_cast<std::uint8_t>((row[x / perByte] >> shift) & ((1 << result.bitCount) - 1)));
    }
    const std::size_t used = (static_cast<std::size_t>(result.width) * result.bitCount + 7) / 8;
    result.rowPadding.insert(result.rowPadding.end(), row + used, row + rowBytes);
  }
  return result;
}

RGBQUAD TestQuad(int index) {
  const GifRgb rgb = TestColor(index);
  return {rgb.blue, rgb.green, rgb.red, 0};
}

std::vector<std::uint8_t> DibOfIndexes(int width, int height, int bitCount,
                                       const std::vector<std::uint8_t>& indexes) {
  const std::size_t rowBytes = *pixel_buffer::RowBytes(width, bitCount);
  BITMAPINFOHEADER info;
  info.biWidth = width;
  info.biHeight = height;
  info.biBitCount = static_cast<std::uint16_t>(bitCount);
  info.biSizeImage = static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(height));
  std::vector<RGBQUAD> palette;
  for (int i = 0; i < 1 << bitCount; ++i)
    palette.push_back(TestQuad(i));
  TMemoryStream dib;
  WriteBmpHeaders(dib, info, palette);
  const int perByte = 8 / bitCount;
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes);
    for (int x = 0; x < width; ++x) {
      const int shift = 8 - bitCount * (x % perByte + 1);
      row[static_cast<std::size_t>(x / perByte)] |= static_cast<std::uint8_t>(
          indexes[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)]
          << shift);
    }
    dib.WriteBuffer(row.data(), static_cast<std::int64_t>(rowBytes));
  }
  return dib.Bytes();
}
