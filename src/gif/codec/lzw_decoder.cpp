#include "gif/codec/lzw_decoder.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/stream.h"
#include "framework/graphics/pixel_buffer.h"
#include "gif/codec/code_reader.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/image_size.h"
#include "gif/codec/pixel_cursor.h"

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

// The growth of the table: the next code to assign and the code width.
struct TableSize {
  std::uint32_t freeCode = 0;
  std::uint32_t maxCode = 0;
  int codeSize = 0;

  // 12-bit codes exhausted: no entries until the next clear code.
  bool Full() const { return freeCode >= kTableSize; }

  void Reset(int initialCodeSize, std::uint32_t firstFree, TCodeBits& bits) {
    codeSize = initialCodeSize;
    maxCode = 1u << codeSize;
    freeCode = firstFree;
    bits.SetCodeSize(codeSize);
  }
  void Advance(TCodeBits& bits) {
    if (++freeCode < maxCode || codeSize == kMaxCodeSize) return;
    ++codeSize;
    maxCode <<= 1;
    bits.SetCodeSize(codeSize);
  }
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
    // Entries never assigned, and those a corrupt stream reaches before assigning them, read 0.
    std::memset(tables_->prefix, 0, sizeof tables_->prefix);
    std::memset(tables_->suffix, 0, sizeof tables_->suffix);
  }

  // Returns whether the data was found damaged (tolerant decoding only).
  bool Run();

 private:
  void DecodeCodes();
  void StartString(std::uint32_t code);
  bool SpellString(std::uint32_t code);
  bool TakesKnown(std::uint32_t code) const {
    return known_ && (code < clearCode_ || (code >= firstFree_ && code <= size_.freeCode));
  }
  void CopyKnownStrings(std::uint32_t& code);
  void ReportRunning();

  TCodeReader& reader_;
  TPixelCursor<kBits>& out_;
  const TCodecProgress& progress_;
  std::unique_ptr<Tables> tables_;
  // Pixel values are masked to the colour table's size. The root codes, which stand for one
  // pixel each, are all codes below the clear code, whatever that size: encoders often give a
  // frame a smaller code size than its table's depth, and its table entries then start below
  // the table's size.
  const std::uint32_t pixelMask_;
  const std::uint32_t clearCode_;
  const std::uint32_t endCode_;
  const std::uint32_t firstFree_;
  const int initCodeSize_;
  const bool tolerant_;
  const bool copyStrings_;

  TableSize size_;
  std::uint32_t oldCode_ = 0;
  std::uint32_t finChar_ = 0;  // first pixel of the last string written
  bool corrupt_ = false;

  // Whether every string of the current table is known (from a clear code on, while the codes
  // follow the rules), and where the last string written, that of oldCode_, lies.
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
  TCodeBits& bits = reader_.Bits();
  size_.Reset(initCodeSize_, firstFree_, bits);
  std::uint32_t code = bits.Next();
  // The data starts as if just after a clear code, so a leading clear code changes nothing.
  bool started = false;
  while (code != endCode_ && code != TCodeBits::kEndOfData && !out_.Done()) {
    if (code == clearCode_) {
      size_.Reset(initCodeSize_, firstFree_, bits);
      code = bits.Next();
      if (code == TCodeBits::kEndOfData) break;
      StartString(code);
    } else if (!started) {
      StartString(code);
    } else if (TakesKnown(code)) {
      CopyKnownStrings(code);
      continue;
    } else if (!SpellString(code)) {
      break;
    }
    started = true;
    code = bits.Next();
    if (progress_.Active()) ReportRunning();
  }
  // Running out of data after the last pixel needs no end code: files cut there are common.
  if (code == TCodeBits::kEndOfData && !out_.Done()) {
    // The data ran out before the last row. Cut-off files are common too, so tolerant decoding
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
  // A first code that is not a root leaves the strings of this table unknown.
  known_ = copyStrings_ && code < clearCode_;
}

// Writes the string of code by walking the table from the code back to its root, then adds the
// table entry. False when the walk finds a loop (tolerant decoding).
template <int kBits>
bool TLzwDecoder<kBits>::SpellString(std::uint32_t code) {
  // Strings are spelled out when a code breaks the table's rules (what it spells may depend on
  // entries defined later) or when progress is reported.
  known_ = false;
  std::uint16_t* stack = tables_->stack;
  int depth = 0;
  std::uint32_t current = code;
  // A code at or past the next free one: the string being defined by this very code.
  if (current >= size_.freeCode) {
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
  while (depth > 0)
    out_.Put(stack[--depth] & 0xFFu);
  if (!size_.Full()) {
    tables_->prefix[size_.freeCode] = static_cast<std::uint16_t>(oldCode_);
    tables_->suffix[size_.freeCode] = static_cast<std::uint16_t>(finChar_);
    size_.Advance(reader_.Bits());
  }
  oldCode_ = code;
  return true;
}

// Decodes codes while every string of the table is known, copying each from where it was
// written before. Stops at the first code it does not take (a clear or end code, the end of the
// data, a code breaking the rules), leaving it in code, or when the image is complete. The
// state lives in locals meanwhile: stores through the pixel pointer could touch any member.
template <int kBits>
void TLzwDecoder<kBits>::CopyKnownStrings(std::uint32_t& code) {
  TPixelCursor<kBits> out = out_;
  TCodeBits bits = reader_.Bits();
  TableSize size = size_;
  Tables& tables = *tables_;
  std::uint32_t finChar = finChar_;
  std::uint32_t oldCode = oldCode_;
  KnownString last = last_;
  int lastX = lastX_;
  const std::uint32_t clearCode = clearCode_;
  const std::uint32_t firstFree = firstFree_;
  const std::uint32_t pixelMask = pixelMask_;
  const int width = out.Width();
  const auto copy = [&out](const KnownString& string) {
    if (string.inOneRow) {
      out.Copy(string.position, string.length);
    } else {
      out.CopyAcrossRows(string.position, string.length);
    }
  };
  do {
    const std::uint32_t position = out.Position();
    const int x = out.X();
    std::uint32_t length;
    if (code < clearCode) {
      finChar = code & pixelMask;
      out.Put(finChar);
      length = 1;
    } else if (code < size.freeCode) {
      const KnownString string = tables.known[code];
      copy(string);
      finChar = string.first;
      length = string.length;
    } else {
      // The string being defined: the last one and its own first pixel.
      copy(last);
      out.Put(finChar);
      length = last.length + 1u;
    }
    if (!size.Full()) {
      tables.prefix[size.freeCode] = static_cast<std::uint16_t>(oldCode);
      tables.suffix[size.freeCode] = static_cast<std::uint16_t>(finChar);
      // The last string and the first pixel of this one: it starts where the last one did.
      const int added = last.length + 1;
      tables.known[size.freeCode] = {last.position, static_cast<std::uint16_t>(added), last.first,
                                     lastX + added <= width};
      size.Advance(bits);
    }
    oldCode = code;
    last = {position, static_cast<std::uint16_t>(length), static_cast<std::uint8_t>(finChar),
            x + static_cast<int>(length) <= width};
    lastX = x;
    code = bits.Next();
  } while (!out.Done() && (code < clearCode || (code >= firstFree && code <= size.freeCode)));
  out_ = out;
  reader_.Bits() = bits;
  size_ = size;
  finChar_ = finChar;
  oldCode_ = oldCode;
  last_ = last;
  lastX_ = lastX;
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
bool Decode(TStream& source, const BITMAPINFOHEADER& header, bool interlaced,
            const TCodecProgress& progress, std::uint8_t* pixels, std::uint8_t frameBits,
            TDamagePolicy damage) {
  const int minCodeSize = source.ReadByte();
  if (minCodeSize < 2 || minCodeSize > 9) GifError(gif_messages::kCodeSizeRange);
  TCodeReader reader(source, progress.Active());
  const int width = header.biWidth;
  const int height = header.biHeight;
  TPixelCursor<kBits> out(pixels, width, height, *pixel_buffer::RowBytes(width, kBits), interlaced);
  // Copying strings from the output needs every pixel to read back as written, and is left out
  // while progress is reported after every code.
  const bool copyStrings = !progress.Active() && frameBits <= kBits;
  return TLzwDecoder<kBits>(reader, out, minCodeSize, frameBits, damage == TDamagePolicy::Tolerate,
                            progress, copyStrings)
      .Run();
}

}  // namespace

void LzwDecode(TStream& source, const BITMAPINFOHEADER& header, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t* pixels,
               std::uint8_t frameBits, TDamagePolicy damage) {
  corrupt = false;
  progress.Report(StageStarting, 0);
  try {
    CheckImageSize(header.biWidth, header.biHeight);
    switch (header.biBitCount) {
      case 1:
        corrupt = Decode<1>(source, header, interlaced, progress, pixels, frameBits, damage);
        break;
      case 4:
        corrupt = Decode<4>(source, header, interlaced, progress, pixels, frameBits, damage);
        break;
      case 8:
        corrupt = Decode<8>(source, header, interlaced, progress, pixels, frameBits, damage);
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
