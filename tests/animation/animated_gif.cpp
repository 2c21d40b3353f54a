#include "animated_gif.h"

#include "framework/core/memory_stream.h"
#include "gif/picture/gif_image.h"
#include "gif_builder.h"
#include "test_lzw_encoder.h"

TestFrame PixelFrame(int left, int top, int width, int height, std::vector<std::uint8_t> pixels) {
  TestFrame frame;
  frame.left = left;
  frame.top = top;
  frame.width = width;
  frame.height = height;
  frame.pixels = std::move(pixels);
  return frame;
}

TestFrame SolidFrame(int left, int top, int width, int height, std::uint8_t index) {
  return PixelFrame(left, top, width, height,
                    std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), index));
}

std::vector<std::uint8_t> AnimatedGif(int width, int height, const std::vector<TestFrame>& frames,
                                      std::uint8_t background) {
  GifBuilder gif;
  gif.Signature().Screen(width, height, 0x80 | 3, background).Table(16);
  for (const TestFrame& frame : frames) {
    if (frame.withControl) {
      const auto packed = static_cast<std::uint8_t>(frame.disposal << 2 | (frame.transparent >= 0));
      gif.GraphicControl(packed, static_cast<std::uint16_t>(frame.delay),
                         static_cast<std::uint8_t>(frame.transparent >= 0 ? frame.transparent : 0));
    }
    gif.Image(frame.left, frame.top, frame.width, frame.height, 0, EncodeLzw(frame.pixels, 4));
  }
  gif.Trailer();
  return gif.Data();
}

std::unique_ptr<TGIFImage> LoadGif(const std::vector<std::uint8_t>& bytes) {
  auto image = std::make_unique<TGIFImage>();
  TMemoryStream stream(bytes);
  image->LoadFromStream(stream);
  return image;
}

TColor IndexColor(int index) {
  const GifRgb rgb = TestColor(index);
  return RGB(rgb.red, rgb.green, rgb.blue);
}
