#include "colour/bmp_stream.h"

#include <array>

#include "colour/dib_conversion.h"
#include "colour/packed_dib.h"
#include "colour/reduce_pixels.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/not_implemented.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/dib_format.h"
#include "framework/graphics/graphics_messages.h"

namespace {

std::unique_ptr<TMemoryStream> AsItIs(TBitmap& bitmap) {
  auto stream = std::make_unique<TMemoryStream>();
  bitmap.SaveToStream(*stream);
  stream->SetPosition(0);
  return stream;
}

// The bitmap read at 24 bits and reduced in place to 8 bits with the method's palette.
std::unique_ptr<TMemoryStream> Reduced(HBITMAP bitmap, HPALETTE palette, TReductionMethod method) {
  const auto source = BitmapToPackedDib(bitmap, palette, TColorDepth::cd24Bit);
  std::uint8_t* pixels = source->Memory() + kBmpFileHeaderBytes + sizeof(BITMAPINFOHEADER);
  BITMAPINFOHEADER header = FillDibHeader(bitmap, TColorDepth::cd8Bit);
  std::array<RGBQUAD, 256> colorTable{};
  header.biClrUsed =
      ReducePixels(method, FillDibHeader(bitmap, TColorDepth::cd24Bit), pixels, pixels, colorTable);
  auto stream = std::make_unique<TMemoryStream>();
  WriteBmpHeaders(*stream, header, colorTable);
  stream->WriteBuffer(pixels, header.biSizeImage);
  stream->SetPosition(0);
  return stream;
}

}  // namespace

std::unique_ptr<TMemoryStream> BitmapToBmpStream(TBitmap& bitmap, TColorDepth depth,
                                                 TReductionMethod method) {
  HBITMAP handle = bitmap.Handle();
  if (handle == nullptr) throw EInvalidGraphic(graphics_messages::kInvalidBitmap);
  if (GetColorDepth(bitmap) == depth && method != TReductionMethod::rmGrayscale) {
    return AsItIs(bitmap);
  }
  if (depth == TColorDepth::cdDevice) ReportNotImplemented();
  // 24 bits keep the true colours: no reducer has anything to do there.
  if (depth != TColorDepth::cd8Bit) return BitmapToPackedDib(handle, bitmap.Palette(), depth);
  return Reduced(handle, bitmap.Palette(), method);
}

std::unique_ptr<TMemoryStream> BitmapToBmpStreamForColors(TBitmap& bitmap, int colors) {
  const TColorDepth depth = colors <= 2     ? TColorDepth::cd1Bit
                            : colors <= 16  ? TColorDepth::cd4Bit
                            : colors <= 256 ? TColorDepth::cd8Bit
                                            : TColorDepth::cd24Bit;
  return BitmapToBmpStream(bitmap, depth, DefaultReductionMethod);
}
