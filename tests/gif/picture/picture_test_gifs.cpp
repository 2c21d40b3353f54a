#include "picture_test_gifs.h"

#include "framework/core/memory_stream.h"
#include "gif/picture/gif_image.h"
#include "gif_builder.h"
#include "test_lzw_encoder.h"

std::vector<std::uint8_t> SimpleTwoFrameGif() {
  return GifBuilder()
      .Signature()
      .Screen(4, 3, 0x81)
      .Table(4)
      .Image(0, 0, 4, 3, 0, EncodeLzw(std::vector<std::uint8_t>(12, 1), 2))
      .Image(1, 1, 2, 2, 0, EncodeLzw({2, 2, 3, 3}, 2))
      .Trailer()
      .Data();
}

void LoadGif(TGIFImage& image, const std::vector<std::uint8_t>& gif) {
  TMemoryStream stream(gif);
  image.LoadFromStream(stream);
}
