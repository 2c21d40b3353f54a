#include "gif/codec/dib_header.h"

#include "framework/core/stream.h"

void WriteDibHeaders(TStream& stream, const TDibInfo& info, std::int64_t imageSize,
                     const RgbQuadPalette& palette) {
  const int paletteEntries = 1 << info.bitCount;
  const auto pixelOffset =
      static_cast<std::uint32_t>(kDibFileHeaderSize + kDibInfoHeaderSize + 4 * paletteEntries);
  // File header.
  stream.WriteUInt16(0x4D42);  // "BM"
  stream.WriteUInt32(pixelOffset + static_cast<std::uint32_t>(imageSize));
  stream.WriteUInt32(0);
  stream.WriteUInt32(pixelOffset);
  // Info header.
  stream.WriteUInt32(kDibInfoHeaderSize);
  stream.WriteUInt32(static_cast<std::uint32_t>(info.width));
  stream.WriteUInt32(static_cast<std::uint32_t>(info.height));
  stream.WriteUInt16(1);  // planes
  stream.WriteUInt16(info.bitCount);
  stream.WriteUInt32(0);  // no compression
  stream.WriteUInt32(static_cast<std::uint32_t>(imageSize));
  for (int i = 0; i < 4; ++i)
    stream.WriteUInt32(0);  // resolutions, colours used and important
  stream.WriteBuffer(palette.data(), 4 * paletteEntries);
}
