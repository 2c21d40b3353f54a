// Reads arbitrary bytes as a GIF with the codec alone and decodes each of its frames into a bitmap
// file image, at the real size caps: damaged input must end in the codec's typed errors, never in
// a crash, a hang or a read outside the data. One frame is decoded at a time, so memory stays
// within one frame's bitmap (64 MiB at most) beside the model and the bytes: run libFuzzer with
// -rss_limit_mb=2048 or so.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/gif_image_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TGIFImageModel image;
  TMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
  try {
    image.ReadGifContent(stream.Size(), stream);
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
