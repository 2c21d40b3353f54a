// Feeds arbitrary code streams to the LZW decoder alone, in every output depth, interlaced or
// not, strict or tolerant, with and without progress reporting: the two decoding paths must agree,
// and each must write every byte of the rows (they start from different bytes). The first 4 bytes
// choose the frame: width, height, colour bits and flags.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/lzw_decoder.h"

namespace {

struct Result {
  std::vector<std::uint8_t> pixels;
  bool corrupt = false;
  bool failed = false;
};

Result Decode(const std::uint8_t* data, std::size_t size, const BITMAPINFOHEADER& info,
              bool interlaced, std::uint8_t frameBits, TDamagePolicy damage,
              const TCodecProgress& progress, std::uint8_t before) {
  Result result;
  result.pixels.assign(info.biSizeImage, before);
  TMemoryStream source(std::vector<std::uint8_t>(data, data + size));
  try {
    LzwDecode(source, info, interlaced, progress, result.corrupt, result.pixels.data(), frameBits,
              damage);
  } catch (const Exception&) {
    result.failed = true;
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const int width = 1 + data[0] % 64;
  const int height = 1 + data[1] % 64;
  const auto frameBits = static_cast<std::uint8_t>(1 + data[2] % 8);
  const bool interlaced = (data[3] & 1) != 0;
  const TDamagePolicy damage = (data[3] & 2) != 0 ? TDamagePolicy::Tolerate : TDamagePolicy::Fail;
  const BITMAPINFOHEADER info = FrameDibHeader(width, height, frameBits);
  const Result fast = Decode(data + 4, size - 4, info, interlaced, frameBits, damage, {}, 0x00);
  const TCodecProgress silent([](TObject*, TProgressStage, std::uint8_t, const std::string&) {},
                              nullptr);
  const Result walked =
      Decode(data + 4, size - 4, info, interlaced, frameBits, damage, silent, 0xFF);
  if (fast.failed != walked.failed || fast.corrupt != walked.corrupt ||
      (!fast.failed && fast.pixels != walked.pixels)) {
    std::abort();  // the two decoding paths disagree, or a byte was left as it was
  }
  return 0;
}
