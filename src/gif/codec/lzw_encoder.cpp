#include "gif/codec/lzw_encoder.h"

#include <cmath>
#include <memory>

#include "framework/core/stream.h"
#include "framework/graphics/pixel_buffer.h"
#include "gif/codec/code_packer.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/image_size.h"
#include "gif/codec/interlace.h"
#include "gif/codec/lzw_dictionary.h"

namespace {

constexpr int kMaxCodeSize = 12;
// The dictionary is cleared once it has given this code, which keeps decoders from ever
// reaching a full table.
constexpr std::uint32_t kLastCodeBeforeClear = 4094;

// The pixel at x of a row of kBits bits per pixel: 1-bit pixels most significant bit first,
// 4-bit ones high nibble first.
template <int kBits>
std::uint32_t PixelAt(const std::uint8_t* row, int x) {
  if constexpr (kBits == 8) {
    return row[x];
  } else if constexpr (kBits == 4) {
    const std::uint8_t byte = row[x / 2];
    return x % 2 == 0 ? byte >> 4 : byte & 0x0Fu;
  } else {
    return (row[x / 8] >> (7 - x % 8)) & 1u;
  }
}

template <int kBits>
class TLzwEncoder {
 public:
  TLzwEncoder(TStream& dest, const BITMAPINFOHEADER& header, bool interlaced,
              const TCodecProgress& progress, const std::uint8_t* pixels)
      : dest_(dest),
        progress_(progress),
        pixels_(pixels),
        width_(header.biWidth),
        height_(header.biHeight),
        rowBytes_(static_cast<std::int64_t>(*pixel_buffer::RowBytes(width_, kBits))),
        interlaced_(interlaced),
        dictionary_(std::make_unique<TLzwDictionary>()) {}

  void Run();

 private:
  // 1-bit pixels are coded with the smallest code size GIF allows, 2.
  static constexpr int kMinCodeSize = kBits == 1 ? 2 : kBits;
  static constexpr int kInitCodeSize = kMinCodeSize + 1;
  static constexpr std::uint32_t kClearCode = 1u << kMinCodeSize;
  static constexpr std::uint32_t kEndCode = kClearCode + 1;

  void EncodeRow(const std::uint8_t* row);
  void ClearDictionary();
  void FinishCodes();
  void ReportRow(int nextRow) const;

  TStream& dest_;
  const TCodecProgress& progress_;
  const std::uint8_t* pixels_;
  const int width_;
  const int height_;
  const std::int64_t rowBytes_;
  const bool interlaced_;
  std::unique_ptr<TLzwDictionary> dictionary_;
  CodePacker packer_;

  std::uint32_t lastCode_ = kEndCode;  // the last code given to a string
  std::uint32_t maxCode_ = 1u << kInitCodeSize;
  // The string being matched: its code (or pixel), the hash of its pixels and their number.
  std::uint32_t prefix_ = 0;
  std::uint32_t hash_ = 0;
  std::uint16_t length_ = 0;
};

template <int kBits>
void TLzwEncoder<kBits>::Run() {
  dest_.WriteByte(kMinCodeSize);
  packer_.codeSize = kInitCodeSize;
  EmitCode(dest_, kClearCode, packer_);
  int y = 0;
  int pass = 0;
  while (y < height_) {
    EncodeRow(pixels_ + (height_ - 1 - y) * rowBytes_);
    y = interlaced_ ? NextInterlacedRow(y, height_, pass) : y + 1;
    if (progress_.Active()) ReportRow(y);
  }
  FinishCodes();
}

// Extends the current string pixel by pixel while the dictionary knows it; at the first pixel
// that makes it unknown, writes its code, gives the extended string the next code and starts
// over from that pixel. The state stays in locals: the packer's byte stores could touch any
// member.
template <int kBits>
void TLzwEncoder<kBits>::EncodeRow(const std::uint8_t* row) {
  TLzwDictionary& dictionary = *dictionary_;
  std::uint32_t prefix = prefix_;
  std::uint32_t hash = hash_;
  std::uint32_t length = length_;
  std::uint32_t lastCode = lastCode_;
  std::uint32_t maxCode = maxCode_;
  for (int x = 0; x < width_; ++x) {
    const std::uint32_t pixel = PixelAt<kBits>(row, x);
    if (++length == 1) {
      prefix = pixel;
      hash = TLzwDictionary::StartHash(pixel);
      continue;
    }
    hash = TLzwDictionary::ExtendHash(hash, pixel, length);
    const TLzwDictionary::TProbe probe = dictionary.Probe(hash, prefix, pixel);
    if (probe.code != 0) {
      prefix = probe.code;
      continue;
    }
    EmitCode(dest_, prefix, packer_);
    dictionary.Add(probe.slot, ++lastCode, prefix, pixel);
    prefix = pixel;
    hash = TLzwDictionary::StartHash(pixel);
    length = 1;
    // A decoder, one entry behind, widens its codes when it assigns the last code of the width.
    if (lastCode >= maxCode) {
      maxCode <<= 1;
      ++packer_.codeSize;
    } else if (lastCode >= kLastCodeBeforeClear) {
      prefix_ = prefix;
      ClearDictionary();
      length = 0;
      lastCode = lastCode_;
      maxCode = maxCode_;
    }
  }
  prefix_ = prefix;
  hash_ = hash;
  length_ = static_cast<std::uint16_t>(length);
  lastCode_ = lastCode;
  maxCode_ = maxCode;
}

// Writes the pixel just started on its own, then a clear code, and starts afresh.
template <int kBits>
void TLzwEncoder<kBits>::ClearDictionary() {
  EmitCode(dest_, prefix_, packer_);
  EmitCode(dest_, kClearCode, packer_);
  length_ = 0;
  lastCode_ = kEndCode;
  packer_.codeSize = kInitCodeSize;
  maxCode_ = 1u << kInitCodeSize;
  dictionary_->Clear();
}

template <int kBits>
void TLzwEncoder<kBits>::FinishCodes() {
  // After a clear on the last pixel no string is open.
  if (length_ > 0) {
    EmitCode(dest_, prefix_, packer_);
    // Reading that code, a decoder adds an entry and widens its codes when the entry is the last
    // of the width: it reads the end code at the new width.
    if (lastCode_ + 1 >= maxCode_ && packer_.codeSize < kMaxCodeSize) ++packer_.codeSize;
  }
  EmitCode(dest_, kEndCode, packer_);
  FlushCodes(dest_, packer_);
}

template <int kBits>
void TLzwEncoder<kBits>::ReportRow(int nextRow) const {
  const double percent =
      std::trunc(static_cast<double>(nextRow) / static_cast<double>(height_) * 100);
  progress_.Report(StageRunning, static_cast<std::uint8_t>(percent));
}

}  // namespace

void LzwEncode(TStream& dest, const BITMAPINFOHEADER& header, bool interlaced,
               const TCodecProgress& progress, const std::uint8_t* pixels) {
  ReportStages(progress, [&] {
    CheckImageSize(header.biWidth, header.biHeight);
    switch (header.biBitCount) {
      case 1:
        TLzwEncoder<1>(dest, header, interlaced, progress, pixels).Run();
        break;
      case 4:
        TLzwEncoder<4>(dest, header, interlaced, progress, pixels).Run();
        break;
      case 8:
        TLzwEncoder<8>(dest, header, interlaced, progress, pixels).Run();
        break;
      default:
        GifError(gif_messages::kEncodingError);
    }
  });
}
