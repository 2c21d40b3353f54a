#include "gif/codec/encode_from_dib.h"

#include <algorithm>
#include <span>

#include "framework/core/exceptions.h"
#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/pixel_buffer.h"
#include "gif/codec/color_table.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_frame_model.h"
#include "gif/codec/gif_image_model.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/image_size.h"
#include "gif/codec/lzw_encoder.h"

namespace {

constexpr std::size_t kInfoHeaderAt = kBmpFileHeaderBytes;
constexpr std::size_t kPaletteAt = kInfoHeaderAt + sizeof(BITMAPINFOHEADER);

// Where the parts of a bitmap file image to encode lie in its bytes.
struct TDibLayout {
  BITMAPINFOHEADER header;
  std::span<const std::uint8_t> palette;
  const std::uint8_t* pixels;
};

BITMAPINFOHEADER ReadInfoHeader(std::span<const std::uint8_t> bytes) {
  BITMAPINFOHEADER header;
  header.biSize = ReadLittleEndian32(bytes, kInfoHeaderAt);
  header.biWidth = static_cast<std::int32_t>(ReadLittleEndian32(bytes, kInfoHeaderAt + 4));
  header.biHeight = static_cast<std::int32_t>(ReadLittleEndian32(bytes, kInfoHeaderAt + 8));
  header.biBitCount = ReadLittleEndian16(bytes, kInfoHeaderAt + 14);
  header.biCompression = ReadLittleEndian32(bytes, kInfoHeaderAt + 16);
  return header;
}

// The layout the file image announces, checked against its bytes.
TDibLayout ReadLayout(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kPaletteAt) GifError(gif_messages::kEncodingError);
  TDibLayout layout{ReadInfoHeader(bytes), {}, nullptr};
  const BITMAPINFOHEADER& header = layout.header;
  const int bits = header.biBitCount;
  if ((bits != 1 && bits != 4 && bits != 8) || header.biSize != sizeof(BITMAPINFOHEADER) ||
      header.biCompression != BI_RGB || header.biWidth < 0 || header.biHeight < 0) {
    GifError(gif_messages::kEncodingError);
  }
  const std::size_t rowsBytes = CheckedBitmapBytes(header.biWidth, header.biHeight, bits);
  const std::size_t paletteBytes = std::size_t{4} << bits;
  const std::size_t pixelOffset = ReadLittleEndian32(bytes, 10);
  if (pixelOffset < kPaletteAt + paletteBytes || pixelOffset > bytes.size() ||
      bytes.size() - pixelOffset < rowsBytes) {
    GifError(gif_messages::kEncodingError);
  }
  layout.palette = bytes.subspan(kPaletteAt, paletteBytes);
  layout.pixels = bytes.data() + pixelOffset;
  return layout;
}

void EncodePixels(TGIFFrameModel& frame, const TDibLayout& layout) {
  TGIFItem& item = *frame.SharedPixels();
  item.DropEncodedData();
  TMemoryStream encoded;
  try {
    LzwEncode(encoded, layout.header, frame.Interlaced(), frame.CodecProgress(), layout.pixels);
  } catch (const EAbort&) {
    frame.ResetFrame();
    throw;
  }
  item.SetEncodedData(encoded.ShareBytes(0, encoded.Size()));
}

// The first frame encoded gives the image its global table; later ones carry their own.
void TakeColorTable(TGIFFrameModel& frame) {
  TGIFItem& item = *frame.SharedPixels();
  TGIFImageModel* owner = frame.OwnerModel();
  if (owner == nullptr || owner->SharedHeader()->GlobalColors().count != 0) {
    frame.SetLocalColors(true);
    return;
  }
  TGIFData& header = *owner->SharedHeader();
  header.GlobalColors() = item.FrameColors();
  header.SetGlobalBits(item.FrameBits());
  frame.SetLocalColors(false);
}

void GrowLogicalScreen(const TGIFFrameModel& frame) {
  TGIFImageModel* owner = frame.OwnerModel();
  if (owner == nullptr) return;
  const TSize size = frame.SharedPixels()->FrameSize();
  owner->SetLogicalWidth(
      static_cast<std::uint16_t>(std::max(owner->LogicalWidth(), size.cx + frame.Origin().x)));
  owner->SetLogicalHeight(
      static_cast<std::uint16_t>(std::max(owner->LogicalHeight(), size.cy + frame.Origin().y)));
}

}  // namespace

void EncodeFromDib(TGIFFrameModel& frame, TMemoryStream& source) {
  source.SetPosition(0);
  const TDibLayout layout = ReadLayout(source.Bytes());
  frame.SetInterlaced(false);
  TGIFItem& item = *frame.SharedPixels();
  item.EditFrameColors() = QuadsToTable(layout.palette);
  EncodePixels(frame, layout);
  item.SetFrameBits(static_cast<std::uint8_t>(TableBits(item.FrameColors().count)));
  TakeColorTable(frame);
  item.SetFrameSize({layout.header.biWidth, layout.header.biHeight});
  GrowLogicalScreen(frame);
}
