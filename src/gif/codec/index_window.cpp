#include "gif/codec/index_window.h"

#include <algorithm>
#include <cstring>

namespace {

// Room for the longest string, the index a code equal to the free code adds to it, and the bytes
// written past a string (whole words of the table, or whole blocks of a copy).
constexpr std::size_t kStringRoom = 4096 + 32;
// Indexes written between two moves at least, so that moving stays a small share of the work.
constexpr std::size_t kLeastBetweenMoves = 16384;

}  // namespace

TIndexWindow::TIndexWindow(const TPixelRows& rows, bool interlaced)
    : writer_(rows, interlaced),
      width_(static_cast<std::size_t>(std::max(rows.width, 0))),
      capacity_(kHistory + std::max(width_, kLeastBetweenMoves) + width_ + kStringRoom),
      // Not cleared: every index is written before it is read.
      buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(capacity_)),
      rowStart_(buffer_.get()) {}

std::size_t TIndexWindow::TakeRows(const std::uint8_t* out) {
  while (out - rowStart_ >= static_cast<std::ptrdiff_t>(width_) && !writer_.Done()) {
    writer_.Put(rowStart_);
    rowStart_ += width_;
  }
  if (writer_.Done()) return 0;  // indexes past the last row are ignored
  const auto rowOffset = static_cast<std::size_t>(rowStart_ - buffer_.get());
  if (capacity_ - rowOffset >= width_ + kStringRoom) return 0;
  const auto outOffset = static_cast<std::size_t>(out - buffer_.get());
  const std::size_t moved = std::min(rowOffset, outOffset - std::min(outOffset, kHistory));
  std::memmove(buffer_.get(), buffer_.get() + moved, outOffset - moved);
  rowStart_ -= moved;
  startPosition_ += static_cast<std::uint32_t>(moved);
  return moved;
}

void TIndexWindow::PutLastRows(const std::uint8_t* out) {
  if (out > rowStart_ && !writer_.Done()) {
    const auto filled = static_cast<std::size_t>(out - rowStart_);
    std::memset(rowStart_ + filled, 0, width_ - filled);
    writer_.Put(rowStart_);
  }
  writer_.PutZeroRows();
}
