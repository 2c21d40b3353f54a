// Reads arbitrary bytes as a GIF picture, decodes its frames into bitmaps and draws each of them
// keyed on its transparent colour and opaquely onto a small canvas, at the real size caps: damaged
// input must end in the codec's typed errors, never in a crash, a hang or a read outside the
// data. The picture keeps its decoded bitmaps within its budget, so memory stays bounded however
// many large frames an input announces: run libFuzzer with -rss_limit_mb=2048 or so.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"

namespace {

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
  for (int i = 0; i < image.FrameCount(); ++i)
    DrawFrame(*image.FrameAt(i), target);
  return 0;
}
