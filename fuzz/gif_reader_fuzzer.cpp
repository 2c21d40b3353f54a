// Reads arbitrary bytes as a GIF with the codec alone and decodes its frames into bitmap file
// images: damaged input must end in the codec's typed errors, never in a crash, a hang or a read
// outside the data. Frames are decoded up to a budget of pixels per input, so that inputs
// announcing many huge frames (each within the size cap) do not slow the search to a crawl.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/gif_image_model.h"

namespace {

constexpr std::int64_t kPixelBudget = std::int64_t{1} << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TGIFImageModel image;
  TMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  try {
    image.ReadGifContent(stream.Size(), stream);
  } catch (const Exception&) {
    // The frames read before the failure are still there and must decode safely too.
  }
  std::int64_t pixels = 0;
  for (int i = 0; i < image.FrameCount(); ++i) {
    const TSize frameSize = image.FrameAt(i)->SharedPixels()->FrameSize();
    pixels += std::int64_t{frameSize.cx} * frameSize.cy;
    if (pixels > kPixelBudget) break;
    try {
      TMemoryStream dib;
      DecodeToDib(*image.FrameAt(i), dib);
    } catch (const Exception&) {
    }
  }
  return 0;
}
