#include "test_lzw_encoder.h"

#include <map>

namespace {

class CodeWriter {
 public:
  void Put(int code, int width) {
    buffer_ |= static_cast<std::uint64_t>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      bytes_.push_back(static_cast<std::uint8_t>(buffer_));
      buffer_ >>= 8;
      bits_ -= 8;
    }
  }
  std::vector<std::uint8_t> Finish(int minCodeSize, const EncodeOptions& options) {
    if (bits_ > 0) bytes_.push_back(static_cast<std::uint8_t>(buffer_));
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(minCodeSize)};
    const auto block = static_cast<std::size_t>(options.blockSize);
    for (std::size_t at = 0; at < bytes_.size(); at += block) {
      const std::size_t n = std::min(block, bytes_.size() - at);
      out.push_back(static_cast<std::uint8_t>(n));
      out.insert(out.end(), bytes_.begin() + static_cast<long>(at),
                 bytes_.begin() + static_cast<long>(at + n));
    }
    if (options.terminator) out.push_back(0);
    return out;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::uint64_t buffer_ = 0;
  int bits_ = 0;
};

}  // namespace

std::vector<std::uint8_t> EncodeLzw(const std::vector<std::uint8_t>& pixels, int minCodeSize,
                                    const EncodeOptions& options) {
  const int clear = 1 << minCodeSize;
  CodeWriter writer;
  std::map<std::pair<int, int>, int> table;  // (prefix code, pixel) -> code
  int width = minCodeSize + 1;
  int next = clear + 2;
  const auto reset = [&] {
    table.clear();
    width = minCodeSize + 1;
    next = clear + 2;
  };
  if (options.leadingClear) writer.Put(clear, width);
  int prefix = -1;
  for (const std::uint8_t pixel : pixels) {
    if (prefix < 0) {
      prefix = pixel;
      continue;
    }
    const auto found = table.find({prefix, pixel});
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    writer.Put(prefix, width);
    if (next < 4096) {
      table[{prefix, pixel}] = next++;
      // The decoder widens its codes once it has assigned the last code of the current width.
      if (next > (1 << width) && width < 12) ++width;
    } else if (options.clearWhenFull) {
      writer.Put(clear, width);
      reset();
    }
    prefix = pixel;
  }
  if (prefix >= 0) writer.Put(prefix, width);
  if (options.endCode) writer.Put(clear + 1, width);
  return writer.Finish(minCodeSize, options);
}

std::vector<std::uint8_t> PackCodes(int minCodeSize, const std::vector<Code>& codes,
                                    const EncodeOptions& options) {
  CodeWriter writer;
  for (const auto& [code, width] : codes)
    writer.Put(code, width);
  return writer.Finish(minCodeSize, options);
}

std::vector<int> UnpackCodes(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t at = 1; at < data.size() && data[at] != 0; at += 1 + data[at])
    bytes.insert(bytes.end(), data.begin() + static_cast<long>(at + 1),
                 data.begin() + static_cast<long>(std::min(data.size(), at + 1 + data[at])));
  const int minCodeSize = data.at(0);
  const int clear = 1 << minCodeSize;
  int width = minCodeSize + 1;
  int next = clear + 2;
  bool first = true;
  std::vector<int> codes;
  for (std::size_t bit = 0; bit + static_cast<std::size_t>(width) <= bytes.size() * 8;) {
    int code = 0;
    for (int i = 0; i < width; ++i, ++bit)
      code |= (bytes[bit / 8] >> (bit % 8) & 1) << i;
    codes.push_back(code);
    if (code == clear + 1) break;
    if (code == clear) {
      width = minCodeSize + 1;
      next = clear + 2;
      first = true;
    } else if (!first && next < 4096 && ++next == 1 << width && width < 12) {
      ++width;
    } else {
      first = false;
    }
  }
  return codes;
}
