// Reads arbitrary bytes as a GIF picture, decodes its frames into bitmaps and draws each of them
// keyed on its transparent colour and opaquely onto a small canvas: damaged input must end in the
// codec's typed errors, never in a crash, a hang or a read outside the data. Frames are decoded up
// to a budget of pixels per input, so that inputs announcing many huge frames (each within the
// size cap) do not slow the search to a crawl.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"

namespace {

constexpr std::int64_t kPixelBudget = std::int64_t{1} << 20;

// Decodes the frame and draws it, stretched and partly off the canvas, both ways.
void DrawFrame(TGIFFrame& frame, TBitmap& target) {
  try {
    frame.DecodedBitmap();
    for (const auto transparency : {TFrameTransparency::Keyed, TFrameTransparency::Opaque})
      frame.DrawFrame(target.Canvas(), Rect(-2, -2, 14, 14), transparency);
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TGIFImage image;
  TMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  try {
    image.ReadGif(stream.Size(), stream, false);
  } catch (const Exception&) {
    // The frames read before the failure are still there and must decode safely too.
  }
  TBitmap target;
  target.SetSize(16, 16);
  std::int64_t pixels = 0;
  for (int i = 0; i < image.FrameCount(); ++i) {
    const TSize frameSize = image.FrameAt(i)->SharedPixels()->FrameSize();
    pixels += std::int64_t{frameSize.cx} * frameSize.cy;
    if (pixels > kPixelBudget) break;
    DrawFrame(*image.FrameAt(i), target);
  }
  return 0;
}
