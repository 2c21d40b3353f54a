#include "gif/codec/decode_to_dib.h"

#include <span>

#include "framework/core/memory_stream.h"
#include "gif/codec/color_table.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_frame_model.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/image_size.h"
#include "gif/codec/lzw_decoder.h"

namespace {

// The bitmap depth for a colour table of frameBits bits: 1, 4 or 8.
std::uint16_t DibBitsFor(int frameBits) {
  if (frameBits == 1) return 1;
  if (frameBits >= 2 && frameBits <= 4) return 4;
  if (frameBits >= 5 && frameBits <= 8) return 8;
  GifError(gif_messages::kWrongColorCount);
}

}  // namespace

BITMAPINFOHEADER FrameDibHeader(std::int32_t width, std::int32_t height, int frameBits) {
  BITMAPINFOHEADER info;
  info.biWidth = width;
  info.biHeight = height;
  info.biBitCount = DibBitsFor(frameBits);
  info.biSizeImage = static_cast<std::uint32_t>(CheckedBitmapBytes(width, height, info.biBitCount));
  return info;
}

BITMAPINFOHEADER FrameDibHeader(const TGIFFrameModel& frame) {
  const TGIFItem& item = *frame.SharedPixels();
  return FrameDibHeader(item.FrameSize().cx, item.FrameSize().cy, item.FrameBits());
}

void DecodeFrameInto(TGIFFrameModel& frame, const TPixelRows& rows) {
  const TGIFItem& item = *frame.SharedPixels();
  const TSharedBytes* encoded = item.EncodedData();
  bool corrupt = false;
  LzwDecode(encoded != nullptr ? encoded->Span() : std::span<const std::uint8_t>(), rows,
            frame.Interlaced(), frame.CodecProgress(), corrupt, item.FrameBits(),
            TDamagePolicy::Tolerate);
  if (corrupt) frame.SetCorrupted(true);
}

void DecodeToDib(TGIFFrameModel& frame, TMemoryStream& dest) {
  const BITMAPINFOHEADER info = FrameDibHeader(frame);
  const std::array<RGBQUAD, 256> palette = TableToQuads(frame.SharedPixels()->FrameColors());
  const auto table = std::span(palette).first(std::size_t{1} << info.biBitCount);
  // Sized first, then filled: the decoder writes every row, so bytes a stream filled before can
  // stay where they are instead of being cleared.
  const auto pixelOffset =
      static_cast<std::int64_t>(kBmpFileHeaderBytes + info.biSize + sizeof(RGBQUAD) * table.size());
  dest.SetSize(pixelOffset + info.biSizeImage);
  dest.SetPosition(0);
  WriteBmpHeaders(dest, info, table);
  // The rows are decoded in place, straight into the file image, bottom row first.
  try {
    DecodeFrameInto(frame, BitmapFileRows(dest.Memory() + pixelOffset, info));
  } catch (...) {
    dest.SetSize(pixelOffset);
    throw;
  }
  dest.SetPosition(0);
}
