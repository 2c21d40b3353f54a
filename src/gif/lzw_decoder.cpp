#include "gif/lzw_decoder.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/stream.h"
#include "gif/code_reader.h"
#include "gif/gif_error.h"
#include "gif/gif_messages.h"
#include "gif/image_size.h"
#include "gif/pixel_cursor.h"

namespace {

constexpr int kMaxCodeSize = 12;
constexpr std::uint32_t kTableSize = 1u << kMaxCodeSize;
// One code expands to at most this many pixels; a longer chain can only be a loop.
constexpr int kMaxStringLength = 4096;

// A string of the current table, known to lie in the output already: it can be copied from there
// instead of being spelled out through the table.
struct KnownString {
  std::uint32_t position;  // of its first pixel in the output
  std::uint16_t length;
  std::uint8_t first;  // its first pixel
  bool inOneRow;       // only then can it be copied in one piece
};

struct Tables {
  std::uint16_t prefix[kTableSize];
  std::uint16_t suffix[kTableSize];
  std::uint16_t stack[kMaxStringLength + 2];
  KnownString known[kTableSize];
};

template <int kBits>
class TLzwDecoder {
 public:
  TLzwDecoder(TCodeReader& reader, TPixelCursor<kBits>& out, int minCodeSize,
              std::uint8_t frameBits, bool tolerant, const TCodecProgress& progress,
              bool copyStrings)
      : reader_(reader),
        out_(out),
        progress_(progress),
        tables_(new Tables),
        pixelMask_((1u << frameBits) - 1),
        clearCode_(1u << minCodeSize),
        endCode_(clearCode_ + 1),
        firstFree_(clearCode_ + 2),
        initCodeSize_(minCodeSize + 1),
        tolerant_(tolerant),
        copyStrings_(copyStrings) {
    // Codes above the free code and never-assigned entries must read as zero.
    std::memset(tables_->prefix, 0, sizeof tables_->prefix);
    std::memset(tables_->suffix, 0, sizeof tables_->suffix);
  }

  // Returns whether the data was found damaged (tolerant decoding only).
  bool Run();

 private:
  void ResetTable() {
    codeSize_ = initCodeSize_;
    maxCode_ = 1u << codeSize_;
    reader_.SetCodeSize(codeSize_);
    freeCode_ = firstFree_;
  }
  void DecodeCodes();
  void StartString(std::uint32_t code);
  bool DecodeString(std::uint32_t code);
  bool CopyKnown(std::uint32_t code, std::uint32_t& length);
  bool SpellOut(std::uint32_t code, std::uint32_t& length);
  void AddString();
  void ReportRunning();

  TCodeReader& reader_;
  TPixelCursor<kBits>& out_;
  const TCodecProgress& progress_;
  std::unique_ptr<Tables> tables_;
  const std::uint32_t pixelMask_;
  const std::uint32_t clearCode_;
  const std::uint32_t endCode_;
  const std::uint32_t firstFree_;
  const int initCodeSize_;
  const bool tolerant_;
  const bool copyStrings_;

  int codeSize_ = 0;
  std::uint32_t maxCode_ = 0;
  std::uint32_t freeCode_ = 0;
  bool tableFull_ = false;
  std::uint32_t oldCode_ = 0;
  std::uint32_t finChar_ = 0;  // first pixel of the last string written
  bool corrupt_ = false;

  // Whether every string of the current table is known (from a clear code on, while the codes
  // follow the rules), and where the last string written lies: the string of oldCode_.
  bool known_ = false;
  KnownString last_{};
  int lastX_ = 0;
};

template <int kBits>
bool TLzwDecoder<kBits>::Run() {
  try {
    DecodeCodes();
  } catch (...) {
    out_.ClearAhead();
    throw;
  }
  out_.ClearAhead();
  return corrupt_;
}

template <int kBits>
void TLzwDecoder<kBits>::DecodeCodes() {
  ResetTable();
  std::uint32_t code = reader_.NextCode();
  // The data starts as if just after a clear code, so a leading clear code changes nothing.
  bool started = false;
  while (code != endCode_ && code != TCodeReader::kEndOfData && !out_.Done()) {
    if (code == clearCode_) {
      ResetTable();
      code = reader_.NextCode();
      if (code == TCodeReader::kEndOfData) break;
      StartString(code);
    } else if (!started) {
      StartString(code);
    } else if (!DecodeString(code)) {
      break;
    }
    started = true;
    code = reader_.NextCode();
    if (progress_.Active()) ReportRunning();
  }
  if (code == TCodeReader::kEndOfData && !out_.Done()) {
    // The data ran out before the last row. Cut-off files are common, so tolerant decoding
    // keeps what it has and marks it damaged.
    if (!tolerant_) {
      if (reader_.CutShort()) throw EReadError(messages::kReadError);
      GifError(messages::kReadError);
    }
    corrupt_ = true;
  }
}

// The first code of a table stands for itself; it adds no entry.
template <int kBits>
void TLzwDecoder<kBits>::StartString(std::uint32_t code) {
  oldCode_ = code;
  finChar_ = code & pixelMask_;
  last_ = {out_.Position(), 1, static_cast<std::uint8_t>(finChar_), true};
  lastX_ = out_.X();
  out_.Put(finChar_);
  tableFull_ = false;
  // A first code that is not a root leaves the strings of this table unknown.
  known_ = copyStrings_ && code < clearCode_;
}

template <int kBits>
bool TLzwDecoder<kBits>::DecodeString(std::uint32_t code) {
  const std::uint32_t position = out_.Position();
  const int x = out_.X();
  // A code past the next free one breaks the table's rules; what it spells depends on entries
  // defined later, so from here on every string is spelled out through the table.
  if (known_ && code > freeCode_) known_ = false;
  std::uint32_t length = 0;
  const bool copied = known_ && CopyKnown(code, length);
  if (!copied && !SpellOut(code, length)) return false;
  if (!tableFull_) AddString();
  oldCode_ = code;
  last_ = {position, static_cast<std::uint16_t>(length), static_cast<std::uint8_t>(finChar_),
           x + static_cast<int>(length) <= out_.Width()};
  lastX_ = x;
  return true;
}

// Writes a known string by copying it from where it was written before; false when it does not
// lie in one row.
template <int kBits>
bool TLzwDecoder<kBits>::CopyKnown(std::uint32_t code, std::uint32_t& length) {
  if (code < clearCode_) {
    finChar_ = code & pixelMask_;
    out_.Put(finChar_);
    length = 1;
    return true;
  }
  if (code < freeCode_) {
    const KnownString& string = tables_->known[code];
    if (!string.inOneRow) return false;
    out_.Copy(string.position, string.length);
    finChar_ = string.first;
    length = string.length;
    return true;
  }
  // The string being defined by this very code: the last string and its own first pixel.
  if (!last_.inOneRow) return false;
  out_.Copy(last_.position, last_.length);
  out_.Put(finChar_);
  length = last_.length + 1u;
  return true;
}

// Walks the table from the code back to its root, then writes the pixels in order.
template <int kBits>
bool TLzwDecoder<kBits>::SpellOut(std::uint32_t code, std::uint32_t& length) {
  std::uint16_t* stack = tables_->stack;
  int depth = 0;
  std::uint32_t current = code;
  if (current >= freeCode_) {
    current = oldCode_;
    stack[depth++] = static_cast<std::uint16_t>(finChar_);
  }
  while (current >= clearCode_) {
    if (depth > kMaxStringLength) {
      if (!tolerant_) GifError(gif_messages::kCorruptData);
      corrupt_ = true;
      return false;
    }
    stack[depth++] = tables_->suffix[current];
    current = tables_->prefix[current];
  }
  finChar_ = current & pixelMask_;
  stack[depth++] = static_cast<std::uint16_t>(finChar_);
  length = static_cast<std::uint32_t>(depth);
  while (depth > 0)
    out_.Put(stack[--depth] & 0xFFu);
  return true;
}

template <int kBits>
void TLzwDecoder<kBits>::AddString() {
  tables_->prefix[freeCode_] = static_cast<std::uint16_t>(oldCode_);
  tables_->suffix[freeCode_] = static_cast<std::uint16_t>(finChar_);
  if (known_) {
    // The last string followed by the first pixel of this one: it starts where the last one did.
    const int length = last_.length + 1;
    tables_->known[freeCode_] = {last_.position, static_cast<std::uint16_t>(length), last_.first,
                                 lastX_ + length <= out_.Width()};
  }
  if (++freeCode_ >= maxCode_) {
    if (codeSize_ < kMaxCodeSize) {
      ++codeSize_;
      maxCode_ <<= 1;
      reader_.SetCodeSize(codeSize_);
    } else {
      tableFull_ = true;
    }
  }
}

template <int kBits>
void TLzwDecoder<kBits>::ReportRunning() {
  const std::int64_t size = reader_.SourceSize();
  if (size == 0) return;
  const double percent =
      std::trunc(static_cast<double>(reader_.SourcePosition()) / static_cast<double>(size) * 100);
  progress_.Report(StageRunning, static_cast<std::uint8_t>(percent));
}

template <int kBits>
bool Decode(TStream& source, const TDibInfo& header, bool interlaced,
            const TCodecProgress& progress, std::uint8_t* pixels, std::uint8_t frameBits,
            bool tolerant) {
  const int minCodeSize = source.ReadByte();
  if (minCodeSize < 2 || minCodeSize > 9) GifError(gif_messages::kCodeSizeRange);
  TCodeReader reader(source, progress.Active());
  TPixelCursor<kBits> out(pixels, header.width, header.height, DibRowBytes(header.width, kBits),
                          interlaced);
  // Copying strings from the output needs every pixel to read back as written, and is left out
  // while progress is reported.
  const bool copyStrings = !progress.Active() && frameBits <= kBits;
  return TLzwDecoder<kBits>(reader, out, minCodeSize, frameBits, tolerant, progress, copyStrings)
      .Run();
}

}  // namespace

void LzwDecode(TStream& source, const TDibInfo& header, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t* pixels,
               std::uint8_t frameBits, bool tolerant) {
  corrupt = false;
  progress.Report(StageStarting, 0);
  try {
    CheckImageSize(header.width, header.height);
    switch (header.bitCount) {
      case 1:
        corrupt = Decode<1>(source, header, interlaced, progress, pixels, frameBits, tolerant);
        break;
      case 4:
        corrupt = Decode<4>(source, header, interlaced, progress, pixels, frameBits, tolerant);
        break;
      case 8:
        corrupt = Decode<8>(source, header, interlaced, progress, pixels, frameBits, tolerant);
        break;
      default:
        GifError(gif_messages::kWrongColorCount);
    }
  } catch (const Exception& error) {
    progress.Report(StageEnding, 0, error.Message());
    throw;
  } catch (const std::exception& error) {
    progress.Report(StageEnding, 0, error.what());
    throw;
  }
  progress.Report(StageEnding, 100);
}
