#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "gif/codec/pixel_rows.h"

// The colour indexes a decoder has written, one byte each, and not yet put in their rows, with
// some of those before them: complete rows go to their places as they fill, and the last few
// kilobytes stay behind the row begun, so that a long string can be copied from where it was
// written before instead of being spelled out through the string table. Indexes are known by their
// position, counted from the first of the frame.
class TIndexWindow {
 public:
  // Indexes kept behind the row begun.
  static constexpr std::size_t kHistory = 8192;

  TIndexWindow(const TPixelRows& rows, bool interlaced);

  // Every row has been put in its place (at once for a frame without pixels).
  bool Done() const { return writer_.Done(); }
  std::uint8_t* Start() const { return buffer_.get(); }
  // The position of the index at Start().
  std::uint32_t StartPosition() const { return startPosition_; }
  // Writing may go on until the write pointer reaches this: the end of the row begun.
  const std::uint8_t* RowEnd() const { return rowStart_ + width_; }

  // Puts the rows complete before out in their places; when the buffer has not room behind out
  // for another row and the longest string, moves the row begun and the history before it to the
  // front. Returns by how many bytes everything moved.
  std::size_t TakeRows(const std::uint8_t* out);
  // Puts the row begun, up to out, in its place (the rest of it colour 0), and every row left as
  // colour 0.
  void PutLastRows(const std::uint8_t* out);

 private:
  TRowWriter writer_;
  std::size_t width_;
  std::size_t capacity_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::uint8_t* rowStart_;
  std::uint32_t startPosition_ = 0;
};
