#include "gif/picture/gif_frame.h"

#include "colour/bmp_stream.h"
#include "colour/color_depth.h"
#include "colour/reduction_method.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/draw_bitmap_keyed.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/metafile.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/encode_from_dib.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/picture/alpha_keyed_icon.h"
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
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
    if (graphic->Empty()) {
      Assign(nullptr);
      return;
    }
    AssignGraphic(*graphic);
  } else {
    TPersistent::Assign(source);
  }
  if (TGIFImage* owner = Owner()) owner->RecomputeScreen();
}

void TGIFFrame::AssignFrame(const TGIFFrame& source) {
  ShareContentOf(source);
  CopyFrameBitmap(source);
}

void TGIFFrame::AssignGraphic(const TGraphic& source) {
  ResetFrame();
  NewFrameBitmap();
  try {
    frameBitmap_->Assign(&source);
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source))
      frameBitmap_->SetMonochrome(bitmap->Monochrome());
  } catch (const Exception&) {
    // A bitmap takes only bitmaps: anything else is drawn on it instead.
    DrawOnFuchsia(source);
  }
}

// Icons and metafiles leave their background as it was: it becomes the transparent colour.
void TGIFFrame::DrawOnFuchsia(const TGraphic& source) {
  auto& graphic = const_cast<TGraphic&>(source);
  NewFrameBitmap();
  TCanvas& canvas = frameBitmap_->Canvas();
  canvas.Brush().SetColor(clFuchsia);
  frameBitmap_->SetSize(graphic.Width(), graphic.Height());
  const auto* icon = dynamic_cast<const TIcon*>(&source);
  if (icon != nullptr && icon->ShownImage()->HasAlpha()) {
    DrawAlphaKeyed(*frameBitmap_, *icon->ShownImage());
  } else {
    canvas.Draw(0, 0, &graphic);
  }
  if (dynamic_cast<const TIcon*>(&source) != nullptr ||
      dynamic_cast<const TMetafile*>(&source) != nullptr) {
    SetTransparentColor(GetNearestColor(canvas.Handle(), ColorToRGB(clFuchsia)));
  }
}

void TGIFFrame::AssignTo(TPersistent* destination) const {
  if (dynamic_cast<TGIFFrame*>(destination) != nullptr ||
      dynamic_cast<TGIFImage*>(destination) != nullptr) {
    destination->Assign(this);
  } else if (dynamic_cast<TGraphic*>(destination) != nullptr) {
    // The bitmap is decoded on first use, which does not change what the frame shows.
    destination->Assign(&const_cast<TGIFFrame*>(this)->DecodedBitmap());
  } else {
    TPersistent::AssignTo(destination);
  }
}

void TGIFFrame::CopyFrameBitmap(const TGIFFrame& source) {
  if (!source.frameBitmap_) return;
  NewFrameBitmap();
  frameBitmap_->Assign(source.frameBitmap_.get());
}

void TGIFFrame::EncodeFromBitmap() {
  if (!frameBitmap_ || frameBitmap_->Empty()) GifError(gif_messages::kNoDataToWrite);
  EncodeFromDib(*this, *IndexedImage());
}

// The bitmap as a bitmap file image of 1, 4 or 8 bits per pixel: as it is when it has a palette,
// else reduced to 256 colours (grey ones for a grayscale frame).
std::unique_ptr<TMemoryStream> TGIFFrame::IndexedImage() {
  switch (GetColorDepth(*frameBitmap_)) {
    case TColorDepth::cd1Bit:
    case TColorDepth::cd4Bit:
    case TColorDepth::cd8Bit: {
      auto image = std::make_unique<TMemoryStream>();
      frameBitmap_->SaveToStream(*image);
      return image;
    }
    case TColorDepth::cdDevice:
    case TColorDepth::cd24Bit:
      break;
  }
  const TReductionMethod method =
      Grayscale() ? TReductionMethod::rmGrayscale : DefaultReductionMethod;
  auto image = BitmapToBmpStream(*frameBitmap_, TColorDepth::cd8Bit, method);
  if (method == TReductionMethod::rmGrayscale) SetGrayscale(true);
  return image;
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
