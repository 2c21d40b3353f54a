#include "gif/picture/decoded_bitmaps.h"

#include "gif/picture/gif_frame.h"

void TDecodedBitmaps::MakeRoom(std::size_t bytes, const TGIFFrame* keep) {
  auto next = byUse_.begin();
  while (bytes_ + bytes > kBudget && next != byUse_.end()) {
    TGIFFrame* frame = *next++;
    if (frame == keep) continue;
    Remove(*frame);
    frame->EmptyFrameBitmap();
  }
}

void TDecodedBitmaps::Add(TGIFFrame& frame, std::size_t bytes) {
  Remove(frame);
  entries_[&frame] = {byUse_.insert(byUse_.end(), &frame), bytes};
  bytes_ += bytes;
}

void TDecodedBitmaps::Touch(const TGIFFrame& frame) {
  const auto found = entries_.find(&frame);
  if (found != entries_.end()) byUse_.splice(byUse_.end(), byUse_, found->second.place);
}

void TDecodedBitmaps::Remove(const TGIFFrame& frame) {
  const auto found = entries_.find(&frame);
  if (found == entries_.end()) return;
  byUse_.erase(found->second.place);
  bytes_ -= found->second.bytes;
  entries_.erase(found);
}

std::optional<std::size_t> TDecodedBitmaps::BytesOf(const TGIFFrame& frame) const {
  const auto found = entries_.find(&frame);
  if (found == entries_.end()) return std::nullopt;
  return found->second.bytes;
}
