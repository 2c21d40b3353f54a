// Reads arbitrary bytes as a GIF (decoding frame 0 on the way, as a picture load does) and
// decodes every frame: damaged input must end in the codec's typed errors, never in a crash,
// a hang or a read outside the data.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/decode_to_dib.h"
#include "gif/gif_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TGIFImage image;
  TMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  try {
    image.LoadFromStream(stream);
  } catch (const Exception&) {
    // The frames read before the failure are still there and must decode safely too.
  }
  TMemoryStream dib;
  for (int i = 0; i < image.FrameCount(); ++i) {
    try {
      DecodeToDib(*image.FrameAt(i), dib);
    } catch (const Exception&) {
    }
  }
  return 0;
}
