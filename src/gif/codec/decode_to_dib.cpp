#include "gif/codec/decode_to_dib.h"

#include <span>

#include "framework/core/memory_stream.h"
#include "gif/codec/color_table.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_frame_model.h"
#include "gif/codec/gif_image_model.h"
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

// Progress goes to the image the frame belongs to.
TCodecProgress Progress(const TGIFFrameModel& frame) {
  TGIFImageModel* owner = frame.OwnerModel();
  return owner != nullptr ? owner->CodecProgress() : TCodecProgress();
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

void DecodeToDib(TGIFFrameModel& frame, TMemoryStream& dest) {
  const TGIFItem& item = *frame.SharedPixels();
  const BITMAPINFOHEADER info =
      FrameDibHeader(item.FrameSize().cx, item.FrameSize().cy, item.FrameBits());
  const std::array<RGBQUAD, 256> palette = TableToQuads(item.FrameColors());
  dest.Clear();
  WriteBmpHeaders(dest, info, std::span(palette).first(std::size_t{1} << info.biBitCount));
  // The rows are decoded in place, straight into the file image.
  const std::int64_t pixelOffset = dest.Size();
  dest.SetSize(pixelOffset + info.biSizeImage);
  TMemoryStream noData;
  TMemoryStream& encoded = item.EncodedData() != nullptr ? *item.EncodedData() : noData;
  encoded.SetPosition(0);
  bool corrupt = false;
  try {
    LzwDecode(encoded, info, frame.Interlaced(), Progress(frame), corrupt,
              dest.Memory() + pixelOffset, item.FrameBits(), TDamagePolicy::Tolerate);
  } catch (...) {
    dest.SetSize(pixelOffset);
    throw;
  }
  if (corrupt) frame.SetCorrupted(true);
  dest.SetPosition(0);
}
