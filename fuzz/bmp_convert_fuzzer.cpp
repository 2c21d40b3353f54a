// What gif-convert does to a file from outside: the first byte picks the depth (bits 0-1: 1, 4, 8
// or 24 bits) and the reduction method (bits 4-6), the rest is read as a bitmap file. A picture
// the reader accepts must convert to a bitmap file that reads back at its size and at that depth
// (unless written as it is), whose 8-bit indexes stay within the colours its header says are in
// use.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "colour/bmp_stream.h"
#include "colour/color_depth.h"
#include "colour/reduction_method.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/bmp_codec.h"
#include "framework/graphics/dib_format.h"

namespace {

void CheckIndexesInUse(const TMemoryStream& stream, const TBitmapObject& converted) {
  BITMAPINFOHEADER header;
  std::memcpy(&header, stream.Memory() + kBmpFileHeaderBytes, sizeof header);
  if (header.biClrUsed == 0) return;
  for (int y = 0; y < converted.Height(); ++y) {
    for (int x = 0; x < converted.Width(); ++x) {
      if (converted.Pixel(x, y) >= header.biClrUsed) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const auto depth = static_cast<TColorDepth>(1 + (data[0] & 3));
  const auto method = static_cast<TReductionMethod>((data[0] >> 4) % 6);
  TBitmap bitmap;
  try {
    TMemoryStream file(std::vector<std::uint8_t>(data + 1, data + size));
    bitmap.LoadFromStream(file);
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  if (bitmap.Empty()) return 0;
  const auto stream = BitmapToBmpStream(bitmap, depth, method);
  const TBitmapHandle converted = ReadBmp(stream->Bytes());
  if (converted->Width() != bitmap.Width() || converted->Height() != bitmap.Height()) std::abort();
  const bool asItIs = GetColorDepth(bitmap) == depth && method != TReductionMethod::rmGrayscale;
  if (!asItIs && converted->BitsPerPixel() != BitsOfDepth(depth)) std::abort();
  if (depth == TColorDepth::cd8Bit) CheckIndexesInUse(*stream, *converted);
  return 0;
}
