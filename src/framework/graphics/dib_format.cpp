#include "framework/graphics/dib_format.h"

#include <vector>

#include "framework/core/stream.h"

void WriteDibHeader(TStream& stream, const BITMAPINFOHEADER& info,
                    std::span<const RGBQUAD> colorTable) {
  stream.WriteUInt32(info.biSize);
  stream.WriteUInt32(static_cast<std::uint32_t>(info.biWidth));
  stream.WriteUInt32(static_cast<std::uint32_t>(info.biHeight));
  stream.WriteUInt16(info.biPlanes);
  stream.WriteUInt16(info.biBitCount);
  stream.WriteUInt32(info.biCompression);
  stream.WriteUInt32(info.biSizeImage);
  stream.WriteUInt32(static_cast<std::uint32_t>(info.biXPelsPerMeter));
  stream.WriteUInt32(static_cast<std::uint32_t>(info.biYPelsPerMeter));
  stream.WriteUInt32(info.biClrUsed);
  stream.WriteUInt32(info.biClrImportant);
  // The table in one piece: a stream write per entry costs more than the table itself.
  std::vector<std::uint8_t> bytes;
  bytes.reserve(4 * colorTable.size());
  for (const RGBQUAD& quad : colorTable)
    bytes.insert(bytes.end(), {quad.rgbBlue, quad.rgbGreen, quad.rgbRed, quad.rgbReserved});
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void WriteBmpHeaders(TStream& stream, const BITMAPINFOHEADER& info,
                     std::span<const RGBQUAD> colorTable) {
  const auto pixelOffset =
      static_cast<std::uint32_t>(kBmpFileHeaderBytes + info.biSize + 4 * colorTable.size());
  stream.WriteUInt16(0x4D42);  // "BM"
  stream.WriteUInt32(pixelOffset + info.biSizeImage);
  stream.WriteUInt32(0);  // reserved
  stream.WriteUInt32(pixelOffset);
  WriteDibHeader(stream, info, colorTable);
}
