#include "gif/picture/gif_frame.h"

#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/draw_bitmap_keyed.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/picture/gif_image.h"

TGIFFrame::TGIFFrame(TGIFImage* owner) : TGIFFrameModel(owner) {}

TGIFFrame::~TGIFFrame() = default;

TGIFImage* TGIFFrame::Owner() const {
  // A picture frame is only ever made for a picture (or for none).
  return static_cast<TGIFImage*>(OwnerModel());
}

void TGIFFrame::Assign(const TPersistent* source) {
  if (source == nullptr) {
    ResetFrame();
    frameBitmap_.reset();
  } else if (const auto* frame = dynamic_cast<const TGIFFrame*>(source)) {
    if (frame != this) AssignFrame(*frame);
  } else if (const auto* image = dynamic_cast<const TGIFImage*>(source)) {
    if (image->FrameCount() == 0) {
      Assign(nullptr);
      return;  // the nested assignment already recomputed the owner's screen
    }
    AssignFrame(*image->FrameAt(image->CurrentIndex() >= 0 ? image->CurrentIndex() : 0));
  } else {
    TPersistent::Assign(source);
  }
  if (TGIFImage* owner = Owner()) owner->RecomputeScreen();
}

void TGIFFrame::AssignFrame(const TGIFFrame& source) {
  ShareContentOf(source);
  CopyFrameBitmap(source);
}

void TGIFFrame::CopyFrameBitmap(const TGIFFrame& source) {
  if (!source.frameBitmap_) return;
  NewFrameBitmap();
  frameBitmap_->Assign(source.frameBitmap_.get());
}

bool TGIFFrame::HasContent() const {
  return frameBitmap_ != nullptr || TGIFFrameModel::HasContent();
}

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

bool TGIFFrame::HasBitmapOrPixels() const {
  return frameBitmap_ || SharedPixels()->EncodedData() != nullptr;
}

int TGIFFrame::FrameWidth() {
  return HasBitmapOrPixels() ? DecodedBitmap().Width() : 0;
}

int TGIFFrame::FrameHeight() {
  return HasBitmapOrPixels() ? DecodedBitmap().Height() : 0;
}

void TGIFFrame::DrawFrame(TCanvas& canvas, const TRect& rect, TFrameTransparency transparency) {
  TBitmap& bitmap = DecodedBitmap();
  if (transparency == TFrameTransparency::Opaque || TransparentColor() == clNone) {
    canvas.StretchDraw(rect, &bitmap);
    return;
  }
  // Keyed drawing keys every monochrome bitmap on white. A frame of black and white whose
  // transparent colour is black is drawn from a copy in colour, so that its own key holds.
  TBitmap* keyed = &bitmap;
  TBitmap colour;
  if (bitmap.Monochrome() && ColorToPlainRGB(TransparentColor()) != clWhite) {
    colour.Assign(&bitmap);
    colour.SetPixelFormat(TPixelFormat::pf4bit);
    keyed = &colour;
  }
  DrawBitmapRectKeyed(canvas, rect.left, rect.top, rect.Width(), rect.Height(),
                      Rect(0, 0, keyed->Width(), keyed->Height()), *keyed, TransparentColor());
}
