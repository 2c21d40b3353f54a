// Feeds arbitrary bytes to the bitmap file reader. Accepted images must survive writing and reading
// back unchanged and drawing onto another depth; rejected ones must raise EInvalidGraphic.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bmp_codec.h"
#include "framework/graphics/gdi.h"

namespace {

void DrawOnto(HBITMAP bitmap, int depth) {
  const TScopedDC source, target;
  TBitmapHandle canvas(TBitmapObject::Create(16, 16, depth));
  SelectObject(source.Get(), bitmap);
  SelectObject(target.Get(), canvas.get());
  SetStretchBltMode(target.Get(), COLORONCOLOR);
  StretchBlt(target.Get(), 0, 0, 16, 16, source.Get(), 0, 0, bitmap->Width(), bitmap->Height(),
             SRCCOPY);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TBitmapHandle bitmap;
  try {
    bitmap = ReadBmp(std::span<const std::uint8_t>(data, size));
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  TMemoryStream saved;
  WriteBmp(saved, *bitmap);
  const TBitmapHandle again = ReadBmp(saved.Bytes());
  if (again->ImageSize() != bitmap->ImageSize() || again->BitsPerPixel() != bitmap->BitsPerPixel())
    std::abort();
  for (int y = 0; y < bitmap->Height(); ++y) {
    for (int x = 0; x < bitmap->Width(); ++x) {
      if (again->Pixel(x, y) != bitmap->Pixel(x, y)) std::abort();
    }
  }
  DrawOnto(bitmap.get(), 8);
  DrawOnto(bitmap.get(), 32);
  return 0;
}
