#include "decode_helpers.h"

#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/gif_image_model.h"
#include "gif/codec/lzw_decoder.h"
#include "giflib_oracle.h"

RawDecode DecodeRaw(const std::vector<std::uint8_t>& data, int width, int height, int frameBits,
                    bool interlaced, TDamagePolicy damage, const TCodecProgress& progress) {
  const BITMAPINFOHEADER info = FrameDibHeader(width, height, frameBits);
  TMemoryStream dib;
  WriteBmpHeaders(dib, info, std::vector<RGBQUAD>(std::size_t{1} << info.biBitCount));
  const std::int64_t offset = dib.Size();
  dib.SetSize(offset + info.biSizeImage);
  TMemoryStream source(data);
  RawDecode result;
  LzwDecode(source, info, interlaced, progress, result.corrupt, dib.Memory() + offset,
            static_cast<std::uint8_t>(frameBits), damage);
  result.indexes = ReadDibPixels(dib).indexes;
  return result;
}

DecodedFrame DecodeGifFrame(const std::vector<std::uint8_t>& gif, int index) {
  TGIFImageModel image;
  TMemoryStream stream(gif);
  image.ReadGifContent(stream.Size(), stream);
  TMemoryStream dib;
  DecodeToDib(*image.FrameAt(index), dib);
  return {ReadDibPixels(dib), image.FrameAt(index)->Corrupted()};
}

std::vector<std::uint8_t> InFileOrder(const std::vector<std::uint8_t>& indexes, int width,
                                      int height, bool interlaced) {
  std::vector<std::uint8_t> ordered;
  for (const int y : GifRowOrder(height, interlaced)) {
    const auto row = indexes.begin() + static_cast<long>(y) * width;
    ordered.insert(ordered.end(), row, row + width);
  }
  return ordered;
}

std::vector<std::uint8_t> EncodedBytes(const TGIFFrameModel& frame) {
  const TSharedBytes* data = frame.SharedPixels()->EncodedData();
  if (data == nullptr) return {};
  return {data->Span().begin(), data->Span().end()};
}
