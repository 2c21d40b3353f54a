#include "framework/graphics/dib_format.h"

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
  for (const RGBQUAD& quad : colorTable) {
    const std::uint8_t bytes[4] = {quad.rgbBlue, quad.rgbGreen, quad.rgbRed, quad.rgbReserved};
    stream.WriteBuffer(bytes, 4);
  }
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
