#include "gif/codec/code_reader.h"

#include <cstring>

#include "framework/core/memory_stream.h"

namespace {

constexpr std::size_t kPadding = 4;

// The bytes from source's position to its end: the stream's own memory when it has one.
const std::uint8_t* RemainingBytes(TStream& source, std::int64_t count,
                                   std::vector<std::uint8_t>& copy) {
  if (auto* memory = dynamic_cast<TMemoryStream*>(&source)) {
    return memory->Memory() + memory->Position();
  }
  copy.resize(static_cast<std::size_t>(count));
  source.ReadBuffer(copy.data(), count);
  return copy.data();
}

}  // namespace

TCodeReader::TCodeReader(TStream& source, bool trackPositions) {
  const std::int64_t sourceStart = source.Position();
  sourceSize_ = source.Size();
  const std::int64_t count = source.Remaining();
  std::vector<std::uint8_t> copy;
  const std::uint8_t* bytes = RemainingBytes(source, count, copy);

  data_.reset(new std::uint8_t[static_cast<std::size_t>(count) + kPadding]);
  std::size_t filled = 0;
  std::int64_t at = 0;
  while (at < count) {
    const std::int64_t length = bytes[at];
    if (count - (at + 1) < length) {
      cutShort_ = true;
      break;
    }
    std::memcpy(data_.get() + filled, bytes + at + 1, static_cast<std::size_t>(length));
    filled += static_cast<std::size_t>(length);
    at += 1 + length;
    // Zero-length blocks add nothing and do not end the data: a reader fetching blocks as it
    // needs them goes on past them while the source lasts.
    if (trackPositions && length > 0) blocks_.push_back({filled * 8u, sourceStart + at});
  }
  std::memset(data_.get() + filled, 0, kPadding);
  bits_.data = data_.get();
  bits_.end = filled * 8u;
  sourceEnd_ = sourceStart + at;
  source.SetPosition(sourceEnd_);
}

std::int64_t TCodeReader::SourcePosition() {
  // Short of bits for the next code, such a reader fetches every block left, to the end.
  if (bits_.position + bits_.size > bits_.end) return sourceSize_;
  while (blockIndex_ < blocks_.size() && blocks_[blockIndex_].endBit < bits_.position) {
    ++blockIndex_;
  }
  return blockIndex_ < blocks_.size() ? blocks_[blockIndex_].sourcePosition : sourceEnd_;
}
