// The operations that make a GIF image a picture: sizes, drawing, the current bitmap, saving and
// the clipboard. Until the framework's bitmaps and canvas are in place, frames are measured by
// their stored size, drawing draws nothing, and saving and the clipboard are refused.
#include <algorithm>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/decode_to_dib.h"
#include "gif/gif_error.h"
#include "gif/gif_image.h"
#include "gif/gif_messages.h"

int TGIFFrame::FrameWidth() const {
  return SharedPixels()->EncodedData() != nullptr ? SharedPixels()->FrameSize().cx : 0;
}

int TGIFFrame::FrameHeight() const {
  return SharedPixels()->EncodedData() != nullptr ? SharedPixels()->FrameSize().cy : 0;
}

void TGIFFrame::DrawFrame(TCanvas&, const TRect&, bool) {}

void TGIFFrame::CopyFrameBitmap(const TGIFFrame&) {}

void TGIFFrame::FreeFrameBitmap() {}

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
  if (currentIndex_ >= 0) FrameAt(currentIndex_)->DrawFrame(canvas, rect, HasTransparentFrame());
}

int TGIFImage::Width() {
  if (currentIndex_ < 0 || currentIndex_ >= FrameCount() || Empty()) return 0;
  return FrameAt(currentIndex_)->FrameWidth();
}

int TGIFImage::Height() {
  if (currentIndex_ < 0 || currentIndex_ >= FrameCount() || Empty()) return 0;
  return FrameAt(currentIndex_)->FrameHeight();
}

// Decodes the current frame, so that damaged data is found and reported as it will be once the
// frame's bitmap is built; no bitmap is kept yet.
TBitmap* TGIFImage::CurrentBitmap() {
  if (frames_.empty()) return nullptr;
  const int index = currentIndex_ >= 0 && currentIndex_ < FrameCount() ? currentIndex_ : 0;
  TGIFFrame& frame = *FrameAt(index);
  if (frame.SharedPixels()->EncodedData() != nullptr) {
    TMemoryStream dib;
    DecodeToDib(frame, dib);
  }
  return frame.FrameBitmap();
}

HPALETTE TGIFImage::CurrentPalette() {
  return nullptr;
}

void TGIFImage::RecomputeScreen() {
  int width = 0;
  int height = 0;
  for (const auto& frame : frames_) {
    width = std::max(width, frame->FrameWidth() + frame->Origin().x);
    height = std::max(height, frame->FrameHeight() + frame->Origin().y);
  }
  logicalWidth_ = static_cast<std::uint16_t>(width);
  logicalHeight_ = static_cast<std::uint16_t>(height);
}

void TGIFImage::WriteData(TStream&) {
  GifError(gif_messages::kSavingNotSupported);
}

void TGIFImage::SaveToStream(TStream&) {
  GifError(gif_messages::kSavingNotSupported);
}

void TGIFImage::LoadFromClipboardFormat(std::uint16_t, HGLOBAL, HPALETTE) {
  GifError(gif_messages::kClipboardNotSupported);
}

void TGIFImage::SaveToClipboardFormat(std::uint16_t&, HGLOBAL&, HPALETTE&) {
  GifError(gif_messages::kClipboardNotSupported);
}
