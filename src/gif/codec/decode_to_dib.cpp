#include "gif/codec/decode_to_dib.h"

#include "framework/core/memory_stream.h"
#include "gif/codec/color_table.h"
#include "gif/codec/dib_header.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_frame_model.h"
#include "gif/codec/gif_image_model.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/image_size.h"
#include "gif/codec/lzw_decoder.h"

namespace {

// The bitmap depth for a colour table of frameBits bits: 1, 4 or 8.
int DibBitsFor(int frameBits) {
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

void DecodeToDib(TGIFFrameModel& frame, TMemoryStream& dest) {
  const TGIFItem& item = *frame.SharedPixels();
  const TDibInfo info{item.FrameSize().cx, item.FrameSize().cy,
                      static_cast<std::uint16_t>(DibBitsFor(item.FrameBits()))};
  const std::int64_t imageSize = CheckedBitmapBytes(info.width, info.height, info.bitCount);
  dest.Clear();
  WriteDibHeaders(dest, info, imageSize, TableToQuads(item.FrameColors()));
  // The rows are decoded in place, straight into the file image.
  const std::int64_t pixelOffset = dest.Size();
  dest.SetSize(pixelOffset + imageSize);
  TMemoryStream noData;
  TMemoryStream& encoded = item.EncodedData() != nullptr ? *item.EncodedData() : noData;
  encoded.SetPosition(0);
  bool corrupt = false;
  try {
    LzwDecode(encoded, info, frame.Interlaced(), Progress(frame), corrupt,
              dest.Memory() + pixelOffset, item.FrameBits(), true);
  } catch (...) {
    dest.SetSize(pixelOffset);
    throw;
  }
  if (corrupt) frame.SetCorrupted(true);
  dest.SetPosition(0);
}
