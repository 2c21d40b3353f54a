#include "gif_bench_decoders.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/picture/gif_image.h"

namespace {

std::int64_t FramePixels(const TGIFFrameModel& frame) {
  const TSize size = frame.SharedPixels()->FrameSize();
  return std::int64_t{size.cx} * size.cy;
}

struct MemoryReader {
  std::span<const std::uint8_t> bytes;
  std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(count), reader->bytes.size() - reader->at);
  std::memcpy(buffer, reader->bytes.data() + reader->at, n);
  reader->at += n;
  return static_cast<int>(n);
}

}  // namespace

std::int64_t DecodeWithCodec(TMemoryStream& file) {
  TGIFImageModel image;
  file.SetPosition(0);
  image.ReadGifContent(file.Size(), file);
  std::int64_t pixels = 0;
  TMemoryStream dib;
  for (int i = 0; i < image.FrameCount(); ++i) {
    DecodeToDib(*image.FrameAt(i), dib);
    pixels += FramePixels(*image.FrameAt(i));
  }
  return pixels;
}

std::int64_t DecodeAsPicture(TMemoryStream& file) {
  TGIFImage image;
  file.SetPosition(0);
  image.ReadGif(file.Size(), file, false);
  std::int64_t pixels = 0;
  for (int i = 0; i < image.FrameCount(); ++i) {
    image.FrameAt(i)->DecodedBitmap();
    pixels += FramePixels(*image.FrameAt(i));
  }
  return pixels;
}

std::int64_t DecodeWithGiflib(std::span<const std::uint8_t> file) {
  MemoryReader reader{file};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  if (gif == nullptr) return -1;
  std::vector<GifPixelType> buffer;
  std::int64_t pixels = 0;
  GifRecordType type;
  bool ok = true;
  while (ok && DGifGetRecordType(gif, &type) != GIF_ERROR && type != TERMINATE_RECORD_TYPE) {
    if (type == IMAGE_DESC_RECORD_TYPE) {
      ok = DGifGetImageDesc(gif) != GIF_ERROR;
      const int width = gif->Image.Width;
      const int height = gif->Image.Height;
      buffer.resize(static_cast<std::size_t>(width) * height);
      for (int y = 0; ok && y < height; ++y) {
        ok = DGifGetLine(gif, buffer.data() + static_cast<std::size_t>(y) * width, width) !=
             GIF_ERROR;
      }
      pixels += std::int64_t{width} * height;
    } else if (type == EXTENSION_RECORD_TYPE) {
      int code;
      GifByteType* block;
      ok = DGifGetExtension(gif, &code, &block) != GIF_ERROR;
      while (ok && block != nullptr)
        ok = DGifGetExtensionNext(gif, &block) != GIF_ERROR;
    }
  }
  ok = ok && type == TERMINATE_RECORD_TYPE;
  DGifCloseFile(gif, &error);
  return ok ? pixels : -1;
}

std::int64_t DecodeWith(const std::string& decoder, TMemoryStream& file) {
  if (decoder == "codec") return DecodeWithCodec(file);
  if (decoder == "picture") return DecodeAsPicture(file);
  if (decoder == "giflib") return DecodeWithGiflib(file.Bytes());
  return -1;
}
