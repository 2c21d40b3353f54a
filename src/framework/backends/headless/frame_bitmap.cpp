#include "framework/backends/headless/frame_bitmap.h"

#include "framework/graphics/bitmap_object.h"

std::unique_ptr<TBitmap> FrameToBitmap(const TArgbImage& frame) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  bitmap->SetSize(frame.width, frame.height);
  TBitmapObject* pixels = bitmap->Handle();
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      const std::uint32_t argb = frame.At(x, y);
      pixels->SetPixel(x, y,
                       pixels->ValueOf(RGB(static_cast<std::uint8_t>(argb >> 16),
                                           static_cast<std::uint8_t>(argb >> 8),
                                           static_cast<std::uint8_t>(argb))));
    }
  }
  return bitmap;
}

void SaveFrameAsBmp(const TArgbImage& frame, const std::string& fileName) {
  FrameToBitmap(frame)->SaveToFile(fileName);
}
