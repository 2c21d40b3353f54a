#include "framework/graphics/bmp_codec.h"

#include "framework/core/stream.h"
#include "framework/graphics/dib_access.h"
#include "framework/graphics/dib_reader.h"
#include "framework/graphics/graphics_messages.h"

namespace {

constexpr std::size_t kFileHeader = 14;

}  // namespace

TBitmapHandle ReadBmp(std::span<const std::uint8_t> bytes) {
  const std::string message = graphics_messages::kInvalidBitmap;
  if (bytes.size() < kFileHeader) RaiseInvalid(message, "file header cut short");
  if (bytes[0] != 'B' || bytes[1] != 'M') RaiseInvalid(message, "not a bitmap file");
  const std::uint32_t offset =
      static_cast<std::uint32_t>(bytes[10]) | static_cast<std::uint32_t>(bytes[11]) << 8 |
      static_cast<std::uint32_t>(bytes[12]) << 16 | static_cast<std::uint32_t>(bytes[13]) << 24;
  const auto dib = bytes.subspan(kFileHeader);
  const TDibInfo info = ReadDibInfo(dib, message);
  if (offset >= bytes.size()) RaiseInvalid(message, "pixel offset past the end");
  // Tolerated: a pixel offset pointing into the headers (0 or too small), taken as right after
  // the colour table, where the rows are in every such file we have seen.
  const std::size_t pixels = std::max<std::size_t>(offset, kFileHeader + info.headerBytes);
  return ReadDibPixels(info, info.height, bytes.subspan(pixels), message);
}

std::size_t DibHeaderBytes(const TBitmapObject& bitmap) {
  return sizeof(BITMAPINFOHEADER) + 4 * static_cast<std::size_t>(bitmap.ColorCount());
}

void WriteDibHeader(TStream& stream, const TBitmapObject& bitmap, std::int32_t heightField,
                    std::uint32_t imageSize) {
  stream.WriteUInt32(sizeof(BITMAPINFOHEADER));
  stream.WriteUInt32(static_cast<std::uint32_t>(bitmap.Width()));
  stream.WriteUInt32(static_cast<std::uint32_t>(heightField));
  stream.WriteUInt16(1);
  stream.WriteUInt16(static_cast<std::uint16_t>(bitmap.BitsPerPixel()));
  stream.WriteUInt32(BI_RGB);
  stream.WriteUInt32(imageSize);
  for (int i = 0; i < 4; ++i)
    stream.WriteUInt32(0);  // resolution, colours used and important
  for (int i = 0; i < bitmap.ColorCount(); ++i) {
    const RGBQUAD quad = ColorToQuad(bitmap.ColorTable()[static_cast<std::size_t>(i)]);
    stream.WriteBuffer(&quad, sizeof quad);
  }
}

void WriteDibRows(TStream& stream, const TBitmapObject& bitmap) {
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    stream.WriteBuffer(bitmap.Row(y), static_cast<std::int64_t>(bitmap.Stride()));
  }
}

void WriteBmp(TStream& stream, const TBitmapObject& bitmap) {
  const std::size_t offset = kFileHeader + DibHeaderBytes(bitmap);
  stream.WriteUInt16(0x4D42);  // "BM"
  stream.WriteUInt32(static_cast<std::uint32_t>(offset + bitmap.ImageSize()));
  stream.WriteUInt32(0);
  stream.WriteUInt32(static_cast<std::uint32_t>(offset));
  WriteDibHeader(stream, bitmap, bitmap.Height(), static_cast<std::uint32_t>(bitmap.ImageSize()));
  WriteDibRows(stream, bitmap);
}
