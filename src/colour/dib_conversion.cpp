#include "colour/dib_conversion.h"

#include "framework/graphics/device_context.h"
#include "framework/graphics/pixel_buffer.h"

BITMAPINFOHEADER FillDibHeader(HBITMAP bitmap, TColorDepth depth) {
  BITMAP object{};
  GetObject(bitmap, sizeof object, &object);
  BITMAPINFOHEADER header;
  header.biWidth = object.bmWidth;
  header.biHeight = object.bmHeight;
  int bits =
      depth == TColorDepth::cdDevice ? object.bmPlanes * object.bmBitsPixel : BitsOfDepth(depth);
  if (bits > 8 && bits <= 32) bits = 24;
  header.biBitCount = static_cast<std::uint16_t>(bits);
  const std::size_t row = pixel_buffer::RowBytes(object.bmWidth, bits).value_or(0);
  header.biSizeImage =
      static_cast<std::uint32_t>(row * static_cast<std::size_t>(std::max(object.bmHeight, 0)));
  return header;
}

TDibSizes GetDibSizes(HBITMAP bitmap, TColorDepth depth) {
  const BITMAPINFOHEADER header = FillDibHeader(bitmap, depth);
  const std::size_t colors = header.biBitCount == 24 ? 0 : std::size_t{1} << header.biBitCount;
  return {sizeof(BITMAPINFOHEADER) + sizeof(RGBQUAD) * colors, header.biSizeImage};
}

bool ReadDibBits(HBITMAP bitmap, HPALETTE palette, BITMAPINFO& info, void* bits,
                 TColorDepth depth) {
  info.bmiHeader = FillDibHeader(bitmap, depth);
  // The screen's surface, of our own: it goes at the end, so a palette selected into it need not
  // be selected out again.
  const TScopedDC screen;
  if (palette != nullptr) {
    SelectPalette(screen.Get(), palette, false);
    RealizePalette(screen.Get());
  }
  return GetDIBits(screen.Get(), bitmap, 0, static_cast<unsigned>(info.bmiHeader.biHeight), bits,
                   &info, DIB_RGB_COLORS) != 0;
}
