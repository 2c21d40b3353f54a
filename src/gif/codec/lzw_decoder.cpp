#include "gif/codec/lzw_decoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "framework/core/stream.h"
#include "gif/codec/code_reader.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/image_size.h"
#include "gif/codec/index_window.h"
#include "gif/codec/lzw_strings.h"

namespace {

constexpr unsigned kMaxCodeSize = 12;
// Strings at least this long are copied from where they were written before, when that is still
// in the window: shorter ones take as few words from the table.
constexpr std::uint32_t kCopiedLength = 9;

// Why decoding stopped.
enum class TStop {
  Complete,      // every row written
  EndCode,       // an end code before the last row
  EndOfData,     // the data ran out before the last row
  CodeAboveFree  // a code naming a string not defined yet
};

// Where progress is measured: the decoded data's place in the stream it came from.
struct TSourceSpan {
  std::size_t offset;  // of the minimum code size byte
  std::size_t size;    // of the whole stream
};

// Why the run of codes that needs nothing but registers paused.
enum class TPause {
  Code,    // at a code the table's rules alone do not take: clear, end, damage
  Refill,  // for bits the stage cannot give at once
  Rows     // for rows to take out of the window
};

// What decoding keeps from one code to the next: the place in the data, the table's growth, the
// last code and where its string was written, and where the next one goes.
struct TCodeState {
  TCodeReader::TCursor cursor;
  unsigned width;              // of the codes
  std::uint32_t mask;          // width bits
  std::uint32_t nextFree;      // the next table entry to define
  std::uint32_t widthGrowsAt;  // the next free code that needs a wider code (or is past the table)
  std::uint32_t previous;      // the code before
  std::size_t previousAt;      // where its string starts in the window
  std::size_t out;             // where the next string goes in the window
};

// Copies a string written before (at from, ending at or before out) in blocks of 16, which may
// write up to 15 bytes past its end. A block may overlap the one it reads from (the string lies
// less than 16 bytes back); what it then takes from past the string's end only lands past the
// copy's end.
void CopyString(std::uint8_t* out, const std::uint8_t* from, std::uint32_t length) {
  for (std::uint32_t copied = 0; copied < length; copied += 16)
    std::memmove(out + copied, from + copied, 16);
}

class TLzwDecoder {
 public:
  TLzwDecoder(std::span<const std::uint8_t> blocks, int minCodeSize, std::uint8_t frameBits,
              const TPixelRows& rows, bool interlaced, const TCodecProgress& progress)
      : reader_(blocks, progress.Active()),
        window_(rows, interlaced),
        // Not cleared: every entry is written before it is read.
        strings_(std::make_unique_for_overwrite<TLzwStrings>()),
        clearCode_(1u << minCodeSize),
        initialWidth_(static_cast<unsigned>(minCodeSize) + 1) {
    strings_->SetRoots(clearCode_, (1u << frameBits) - 1);
  }

  // Decodes codes until the image is complete or one stops it. afterCode (cursor, code) sees
  // every code read but the first of the data and the one after each clear code.
  template <typename AfterCode>
  TStop Run(const AfterCode& afterCode);

  bool CutShort() const { return reader_.CutShort(); }
  const TCodeReader& Reader() const { return reader_; }

 private:
  void StartTable(TCodeState& state) const;
  template <typename AfterCode>
  TPause RunTable(TCodeState& state, std::uint32_t& code, const AfterCode& afterCode);
  void TakeRows(TCodeState& state);

  TCodeReader reader_;
  TIndexWindow window_;
  std::unique_ptr<TLzwStrings> strings_;
  std::uint32_t clearCode_;
  unsigned initialWidth_;
};

void TLzwDecoder::StartTable(TCodeState& state) const {
  state.width = initialWidth_;
  state.widthGrowsAt = 1u << state.width;
  state.mask = state.widthGrowsAt - 1;
  state.nextFree = clearCode_ + 2;
}

// The table rules, once for both ways of decoding (with and without progress): each code after the
// first of a table adds the string of the code before it followed by the first index of its own;
// a code equal to the next free one (the string being defined) is the string before it followed
// by that string's first index; the code width grows when the next free code needs another bit,
// up to 12 bits, where a full table adds nothing until the next clear code.
//
// Runs until a code needs more than these rules, or the bits or the window need attention. The
// state lives in locals meanwhile, and nothing is called without progress, so that it all stays
// in registers while indexes are stored.
template <typename AfterCode>
__attribute__((noinline)) TPause TLzwDecoder::RunTable(TCodeState& state, std::uint32_t& stopCode,
                                                       const AfterCode& afterCode) {
  TLzwStrings& strings = *strings_;
  std::uint8_t* const start = window_.Start();
  const std::uint32_t startPosition = window_.StartPosition();
  const std::uint8_t* const rowEnd = window_.RowEnd();
  const std::uint8_t* const safeEnd = reader_.SafeEnd();
  TCodeReader::TCursor cursor = state.cursor;
  unsigned width = state.width;
  std::uint32_t mask = state.mask;
  std::uint32_t nextFree = state.nextFree;
  std::uint32_t widthGrowsAt = state.widthGrowsAt;
  std::uint32_t previous = state.previous;
  std::uint8_t* previousAt = start + state.previousAt;
  std::uint8_t* out = start + state.out;
  // Writes the string of code (of entry) at out, copied when it is long and still in the window;
  // returns its first index.
  const auto write = [&](std::uint32_t code, TLzwStrings::TEntry entry) {
    const std::uint32_t length = TLzwStrings::Length(entry);
    if (length >= kCopiedLength) {
      const std::uint32_t position = strings.Position(code);
      if (position >= startPosition) {
        const std::uint8_t* from = start + (position - startPosition);
        CopyString(out, from, length);
        return *from;
      }
    }
    return TLzwStrings::First(strings.Write(entry, out));
  };
  std::uint32_t code = 0;
  TPause pause;
  for (;;) {
    if (cursor.count < width) {
      if (cursor.at > safeEnd) {
        pause = TPause::Refill;
        break;
      }
      TCodeReader::Fetch(cursor);
    }
    code = static_cast<std::uint32_t>(cursor.bits) & mask;
    cursor.bits >>= width;
    cursor.count -= width;
    afterCode(cursor, code);
    std::uint32_t length;
    std::uint8_t first;
    if (code < nextFree) {
      const TLzwStrings::TEntry entry = strings.At(code);
      if (TLzwStrings::IsControl(entry)) {
        pause = TPause::Code;  // a clear or end code
        break;
      }
      length = TLzwStrings::Length(entry);
      first = write(code, entry);
    } else if (code == nextFree) {
      const TLzwStrings::TEntry entry = strings.At(previous);
      length = TLzwStrings::Length(entry);
      first = write(previous, entry);
      out[length++] = first;
    } else {
      pause = TPause::Code;  // damage
      break;
    }
    // A string long enough to be copied later lies where the previous one was written.
    if (strings.Add(nextFree, previous, first) >= kCopiedLength)
      strings.SetPosition(nextFree, startPosition + static_cast<std::uint32_t>(previousAt - start));
    if (++nextFree == widthGrowsAt) {
      if (width < kMaxCodeSize) {
        ++width;
        widthGrowsAt <<= 1;
        mask = widthGrowsAt - 1;
      } else {
        // Full: what later codes add goes to the spare entry past the table.
        nextFree = TLzwStrings::kCodes;
        widthGrowsAt = TLzwStrings::kCodes + 1;
      }
    }
    previous = code;
    previousAt = out;
    out += length;
    if (out >= rowEnd) {
      pause = TPause::Rows;
      break;
    }
  }
  state = {cursor,
           width,
           mask,
           nextFree,
           widthGrowsAt,
           previous,
           static_cast<std::size_t>(previousAt - start),
           static_cast<std::size_t>(out - start)};
  stopCode = code;
  return pause;
}

void TLzwDecoder::TakeRows(TCodeState& state) {
  const std::size_t moved = window_.TakeRows(window_.Start() + state.out);
  state.out -= moved;
  state.previousAt -= moved;
}

template <typename AfterCode>
TStop TLzwDecoder::Run(const AfterCode& afterCode) {
  TCodeState state{reader_.Start(), 0, 0, 0, 0, 0, 0, 0};
  StartTable(state);
  std::uint32_t code = reader_.Next(state.cursor, state.width, state.mask);
  if (window_.Done()) return TStop::Complete;  // a frame without pixels
  for (;;) {
    // A table starts (at the first code, or after a clear code): its first code stands alone.
    while (code == clearCode_) {
      StartTable(state);
      code = reader_.Next(state.cursor, state.width, state.mask);
    }
    // An end code, the end of the data, or a code above the next free one (the table is empty).
    if (code > clearCode_) break;
    state.previous = code;
    state.previousAt = state.out;
    strings_->Write(strings_->At(code), window_.Start() + state.out);
    state.out += 1;
    TPause pause = TPause::Rows;
    do {
      if (window_.Start() + state.out >= window_.RowEnd()) {
        TakeRows(state);
        if (window_.Done()) {
          afterCode(state.cursor, reader_.Next(state.cursor, state.width, state.mask));
          return TStop::Complete;
        }
      }
      if (!reader_.Refill(state.cursor, state.width)) {
        code = TCodeReader::kEndOfData;
        afterCode(state.cursor, code);
        break;
      }
      pause = RunTable(state, code, afterCode);
    } while (pause != TPause::Code);
    if (code != clearCode_) break;
  }
  window_.PutLastRows(window_.Start() + state.out);
  if (code == clearCode_ + 1) return TStop::EndCode;
  if (code == TCodeReader::kEndOfData) return TStop::EndOfData;
  return TStop::CodeAboveFree;
}

// Reports StageRunning after a code: the share of the stream a reader fetching sub-blocks only
// when it needs their bits would have read by then (all of it once the data has run out).
class TRunningProgress {
 public:
  TRunningProgress(const TCodecProgress& progress, const TLzwDecoder& decoder, TSourceSpan source)
      : progress_(progress), decoder_(decoder), source_(source) {}

  void operator()(const TCodeReader::TCursor& cursor, std::uint32_t code) const {
    const std::size_t position =
        code == TCodeReader::kEndOfData
            ? source_.size
            : source_.offset + 1 + decoder_.Reader().SourcePosition(cursor);
    const double percent =
        std::trunc(static_cast<double>(position) / static_cast<double>(source_.size) * 100);
    progress_.Report(StageRunning, static_cast<std::uint8_t>(percent));
  }

 private:
  const TCodecProgress& progress_;
  const TLzwDecoder& decoder_;
  TSourceSpan source_;
};

// Decodes, and makes of damage what the policy says. Returns whether the data is corrupt.
bool Decode(std::span<const std::uint8_t> data, TSourceSpan source, const TPixelRows& rows,
            bool interlaced, const TCodecProgress& progress, std::uint8_t frameBits,
            TDamagePolicy damage) {
  CheckImageSize(rows.width, rows.height);
  if (rows.bitsPerPixel != 1 && rows.bitsPerPixel != 4 && rows.bitsPerPixel != 8)
    GifError(gif_messages::kWrongColorCount);
  if (data.empty()) throw EReadError(messages::kReadError);
  const int minCodeSize = data[0];
  if (minCodeSize < 2 || minCodeSize > 9) GifError(gif_messages::kCodeSizeRange);
  TLzwDecoder decoder(data.subspan(1), minCodeSize, frameBits, rows, interlaced, progress);
  const TStop stop = progress.Active()
                         ? decoder.Run(TRunningProgress(progress, decoder, source))
                         : decoder.Run([](const TCodeReader::TCursor&, std::uint32_t) {});
  if (stop == TStop::Complete) return false;
  if (damage == TDamagePolicy::Tolerate) return true;
  if (stop != TStop::EndOfData) GifError(gif_messages::kCorruptData);
  if (decoder.CutShort()) throw EReadError(messages::kReadError);
  GifError(messages::kReadError);
}

void DecodeReporting(std::span<const std::uint8_t> data, TSourceSpan source, const TPixelRows& rows,
                     bool interlaced, const TCodecProgress& progress, bool& corrupt,
                     std::uint8_t frameBits, TDamagePolicy damage) {
  corrupt = false;
  ReportStages(progress, [&] {
    corrupt = Decode(data, source, rows, interlaced, progress, frameBits, damage);
  });
}

}  // namespace

void LzwDecode(std::span<const std::uint8_t> data, const TPixelRows& rows, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t frameBits,
               TDamagePolicy damage) {
  DecodeReporting(data, {0, data.size()}, rows, interlaced, progress, corrupt, frameBits, damage);
}

void LzwDecode(TStream& source, const BITMAPINFOHEADER& header, bool interlaced,
               const TCodecProgress& progress, bool& corrupt, std::uint8_t* pixels,
               std::uint8_t frameBits, TDamagePolicy damage) {
  const auto start = static_cast<std::size_t>(source.Position());
  const auto size = static_cast<std::size_t>(source.Size());
  std::vector<std::uint8_t> copy;
  std::span<const std::uint8_t> data;
  if (auto* memory = dynamic_cast<TMemoryStream*>(&source)) {
    data = std::span(memory->Bytes()).subspan(std::min(start, size));
  } else {
    copy.resize(static_cast<std::size_t>(source.Remaining()));
    source.ReadBuffer(copy.data(), static_cast<std::int64_t>(copy.size()));
    data = copy;
  }
  source.SetPosition(static_cast<std::int64_t>(start + data.size()));
  DecodeReporting(data, {start, size}, BitmapFileRows(pixels, header), interlaced, progress,
                  corrupt, frameBits, damage);
}
