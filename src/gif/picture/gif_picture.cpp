// The operations that make a GIF image a picture: the frames' decoded bitmaps, their sizes and
// drawing, the image's current bitmap and logical screen. Saving and the clipboard are refused for
// now.
#include <algorithm>

#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/draw_bitmap_keyed.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/picture/gif_image.h"

TBitmap& TGIFFrame::DecodedBitmap() {
  if (frameBitmap_ && !frameBitmap_->Empty()) return *frameBitmap_;
  NewFrameBitmap();
  if (SharedPixels()->EncodedData() != nullptr) {
    TMemoryStream dib;
    DecodeToDib(*this, dib);
    frameBitmap_->LoadFromStream(dib);
  }
  return *frameBitmap_;
}

void TGIFFrame::NewFrameBitmap() {
  frameBitmap_.reset();
  frameBitmap_ = std::make_unique<TBitmap>();
}

void TGIFFrame::CopyFrameBitmap(const TGIFFrame& source) {
  if (!source.frameBitmap_) return;
  NewFrameBitmap();
  frameBitmap_->Assign(source.frameBitmap_.get());
}

bool TGIFFrame::HasBitmapOrPixels() const {
  return frameBitmap_ || SharedPixels()->EncodedData() != nullptr;
}

int TGIFFrame::FrameWidth() {
  return HasBitmapOrPixels() ? DecodedBitmap().Width() : 0;
}

int TGIFFrame::FrameHeight() {
  return HasBitmapOrPixels() ? DecodedBitmap().Height() : 0;
}

void TGIFFrame::DrawFrame(TCanvas& canvas, const TRect& rect, bool transparent) {
  TBitmap& bitmap = DecodedBitmap();
  if (!transparent || transparentColor_ == clNone) {
    canvas.StretchDraw(rect, &bitmap);
    return;
  }
  // Keyed drawing keys every monochrome bitmap on white. A frame of black and white whose
  // transparent colour is black is drawn from a copy in colour, so that its own key holds.
  TBitmap* keyed = &bitmap;
  TBitmap colour;
  if (bitmap.Monochrome() && ColorToPlainRGB(transparentColor_) != clWhite) {
    colour.Assign(&bitmap);
    colour.SetPixelFormat(TPixelFormat::pf4bit);
    keyed = &colour;
  }
  DrawBitmapRectKeyed(canvas, rect.left, rect.top, rect.Width(), rect.Height(),
                      Rect(0, 0, keyed->Width(), keyed->Height()), *keyed, transparentColor_);
}

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

TBitmap& TGIFImage::CurrentBitmap() {
  if (frames_.empty()) AppendEmptyFrame();
  const int index = currentIndex_ >= 0 && currentIndex_ < FrameCount() ? currentIndex_ : 0;
  return FrameAt(index)->DecodedBitmap();
}

void TGIFImage::AppendEmptyFrame() {
  ResetImage();
  AddFrame(std::make_unique<TGIFFrame>(this));
  currentIndex_ = 0;
  gifVersion_ = 1;
  Changed(this);
}

HPALETTE TGIFImage::CurrentPalette() {
  return frames_.empty() ? nullptr : CurrentBitmap().Palette();
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
