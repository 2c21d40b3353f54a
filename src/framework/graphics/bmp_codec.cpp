#include "framework/graphics/bmp_codec.h"

#include "framework/core/little_endian.h"
#include "framework/core/stream.h"
#include "framework/graphics/dib_reader.h"
#include "framework/graphics/graphics_messages.h"

TBitmapHandle ReadBmp(std::span<const std::uint8_t> bytes) {
  const std::string message = graphics_messages::kInvalidBitmap;
  if (bytes.size() < kBmpFileHeaderBytes) RaiseInvalid(message, "file header cut short");
  if (bytes[0] != 'B' || bytes[1] != 'M') RaiseInvalid(message, "not a bitmap file");
  const std::uint32_t offset = ReadLittleEndian32(bytes, 10);
  const auto dib = bytes.subspan(kBmpFileHeaderBytes);
  const TDibInfo info = ReadDibInfo(dib, message);
  if (offset >= bytes.size()) RaiseInvalid(message, "pixel offset past the end");
  // Tolerated: a pixel offset pointing into the headers (0 or too small), taken as right after
  // the colour table, where the rows are in every such file we have seen.
  const std::size_t pixels = std::max<std::size_t>(offset, kBmpFileHeaderBytes + info.headerBytes);
  return ReadDibPixels(info, info.height, bytes.subspan(pixels), message);
}

std::size_t DibHeaderBytes(const TBitmapObject& bitmap) {
  return sizeof(BITMAPINFOHEADER) + 4 * static_cast<std::size_t>(bitmap.ColorCount());
}

BITMAPINFOHEADER DibHeaderOf(const TBitmapObject& bitmap, std::int32_t heightField,
                             std::uint32_t imageSize) {
  BITMAPINFOHEADER info;
  info.biWidth = bitmap.Width();
  info.biHeight = heightField;
  info.biBitCount = static_cast<std::uint16_t>(bitmap.BitsPerPixel());
  info.biSizeImage = imageSize;
  return info;
}

std::vector<RGBQUAD> DibColorTableOf(const TBitmapObject& bitmap) {
  std::vector<RGBQUAD> table;
  for (int i = 0; i < bitmap.ColorCount(); ++i)
    table.push_back(ColorToQuad(bitmap.ColorTable()[static_cast<std::size_t>(i)]));
  return table;
}

void WriteDibRows(TStream& stream, const TBitmapObject& bitmap) {
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    stream.WriteBuffer(bitmap.Row(y), static_cast<std::int64_t>(bitmap.Stride()));
  }
}

void WriteBmp(TStream& stream, const TBitmapObject& bitmap) {
  WriteBmpHeaders(
      stream, DibHeaderOf(bitmap, bitmap.Height(), static_cast<std::uint32_t>(bitmap.ImageSize())),
      DibColorTableOf(bitmap));
  WriteDibRows(stream, bitmap);
}
