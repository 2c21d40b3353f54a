#include "gif/codec/code_reader.h"

#include <algorithm>

TCodeReader::TCodeReader(std::span<const std::uint8_t> blocks, bool trackBlocks)
    : blocks_(blocks),
      stage_(new std::uint8_t[kFront + kStage + kPadding]),
      end_(stage_.get() + kFront),
      safeEnd_(stage_.get()),
      trackBlocks_(trackBlocks) {
  Gather();
}

void TCodeReader::Gather() {
  std::uint8_t* const stage = stage_.get() + kFront;
  auto* end = const_cast<std::uint8_t*>(end_);
  while (next_ < blocks_.size() && stage + kStage - end >= 255) {
    const std::size_t length = blocks_[next_];
    if (blocks_.size() - (next_ + 1) < length) {
      cutShort_ = true;
      next_ = blocks_.size();
      break;
    }
    std::memcpy(end, blocks_.data() + next_ + 1, length);
    end += length;
    next_ += 1 + length;
    gathered_ += length;
    // Zero-length blocks add nothing and do not end the data: a reader fetching blocks as it
    // needs them goes on past them while the data lasts.
    if (trackBlocks_ && length > 0) ends_.push_back({gathered_ * 8, next_});
  }
  std::memset(end, 0, kPadding);
  end_ = end;
  safeEnd_ = end - stage >= 8 ? end - 8 : stage_.get();
}

TCodeReader::TCursor TCodeReader::Restage(TCursor cursor) {
  if (next_ < blocks_.size()) {
    std::uint8_t* const stage = stage_.get() + kFront;
    const std::size_t left = static_cast<std::size_t>(end_ - cursor.at);
    std::memmove(stage, cursor.at, left);
    end_ = stage + left;
    cursor.at = stage;
    Gather();
  }
  if (cursor.at <= safeEnd_) {
    Fetch(cursor);
    return cursor;
  }
  for (; cursor.at < end_ && cursor.count <= 56; ++cursor.at, cursor.count += 8)
    cursor.bits |= std::uint64_t{*cursor.at} << cursor.count;
  return cursor;
}

std::size_t TCodeReader::SourcePosition(const TCursor& cursor) const {
  const std::uint64_t unread = static_cast<std::uint64_t>(end_ - cursor.at);
  const std::uint64_t bitsRead = (gathered_ - unread) * 8 - cursor.count;
  const auto holding =
      std::lower_bound(ends_.begin(), ends_.end(), bitsRead,
                       [](const Block& block, std::uint64_t bit) { return block.endBit < bit; });
  return holding != ends_.end() ? holding->end : blocks_.size();
}
