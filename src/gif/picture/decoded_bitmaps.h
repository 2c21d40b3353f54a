#pragma once

#include <cstddef>
#include <list>
#include <optional>
#include <unordered_map>

class TGIFFrame;

// The decoded bitmaps one GIF picture keeps, within a budget of bytes: a frame's pixels stay LZW
// compressed and are decoded when needed, and the bitmaps used least recently give way when a new
// one would not fit. That bounds the memory of any file, however many large frames it holds,
// without refusing long animations, which are decoded again as they are shown.
//
// A bitmap that gives way is emptied, not destroyed: an empty bitmap is decoded again on its next
// use, and a reference to it held meanwhile stays valid. Only bitmaps decoded from the frames'
// own pixels are kept here; bitmaps given to frames are theirs to keep.
class TDecodedBitmaps {
 public:
  // Decoded pixels, with the bitmaps' own records, that one picture keeps at most.
  static constexpr std::size_t kBudget = std::size_t{256} << 20;

  // Empties the least recently used bitmaps, but never that of keep, until bytes more fit.
  void MakeRoom(std::size_t bytes, const TGIFFrame* keep);
  // frame's bitmap, of bytes, was decoded: it is the most recently used now.
  void Add(TGIFFrame& frame, std::size_t bytes);
  // frame's bitmap was used again.
  void Touch(const TGIFFrame& frame);
  // frame's bitmap is no longer a decoded one (or the frame goes).
  void Remove(const TGIFFrame& frame);
  // The bytes of frame's bitmap when it is kept here.
  std::optional<std::size_t> BytesOf(const TGIFFrame& frame) const;
  std::size_t Bytes() const { return bytes_; }

 private:
  struct Entry {
    std::list<TGIFFrame*>::iterator place;
    std::size_t bytes;
  };

  std::list<TGIFFrame*> byUse_;  // least recently used first
  std::unordered_map<const TGIFFrame*, Entry> entries_;
  std::size_t bytes_ = 0;
};
