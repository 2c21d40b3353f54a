#include "gif/picture/gif_frame.h"

#include "colour/bmp_stream.h"
#include "colour/color_depth.h"
#include "colour/reduction_method.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/draw_bitmap_keyed.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/metafile.h"
#include "gif/codec/color_table.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/encode_from_dib.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/picture/alpha_keyed_icon.h"
#include "gif/picture/decoded_bitmaps.h"
#include "gif/picture/gif_image.h"

namespace {

// What a decoded bitmap costs beside its pixels (its object with the colour table, its palette),
// counted generously, so that a file of many tiny frames is bounded too.
constexpr std::size_t kBitmapRecordBytes = 4096;

// The bitmap colour table of a frame decoded at bitsPerPixel: its colours, then mid-grey.
TColorTable FrameColorTable(const GifColorTable& colors, int bitsPerPixel) {
  const std::array<RGBQUAD, 256> quads = TableToQuads(colors);
  TColorTable table{};
  for (std::size_t i = 0; i < std::size_t{1} << bitsPerPixel; ++i)
    table[i] = QuadToColor(quads[i]);
  return table;
}

}  // namespace

TGIFFrame::TGIFFrame(TGIFImage* owner) : TGIFFrameModel(owner) {}

TGIFFrame::~TGIFFrame() {
  LeaveBudget();
}

TGIFImage* TGIFFrame::Owner() const {
  // A picture frame is only ever made for a picture (or for none).
  return static_cast<TGIFImage*>(OwnerModel());
}

TDecodedBitmaps* TGIFFrame::Decoded() const {
  return Owner() != nullptr ? &Owner()->DecodedBitmaps() : nullptr;
}

void TGIFFrame::LeaveBudget() {
  if (TDecodedBitmaps* decoded = Decoded()) decoded->Remove(*this);
}

void TGIFFrame::ResetFrame() {
  TGIFFrameModel::ResetFrame();
  LeaveBudget();
}

void TGIFFrame::Assign(const TPersistent* source) {
  if (source == nullptr) {
    ResetFrame();
    frameBitmap_.reset();
  } else if (const auto* frame = dynamic_cast<const TGIFFrame*>(source)) {
    AssignFrame(*frame);
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
  // Also when the image assigned is this frame's owner and this its current frame.
  if (&source == this) return;
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

// A bitmap of the source's is shared (it is copied when either changes). One decoded from the
// pixels now shared is a decoding of them here too, and joins this owner's budget; without one,
// the old bitmap goes, as it shows other pixels.
void TGIFFrame::CopyFrameBitmap(const TGIFFrame& source) {
  NewFrameBitmap();
  if (!source.frameBitmap_) {
    frameBitmap_.reset();
    return;
  }
  frameBitmap_->Assign(source.frameBitmap_.get());
  const TDecodedBitmaps* sourceDecoded = source.Decoded();
  const auto bytes = sourceDecoded != nullptr ? sourceDecoded->BytesOf(source) : std::nullopt;
  if (bytes) JoinBudget(*bytes);
}

// The bitmap is a decoding of the pixels and may give way to others; until it is drawn on, which
// makes it the frame's own.
void TGIFFrame::JoinBudget(std::size_t bytes) {
  TDecodedBitmaps* decoded = Decoded();
  if (decoded == nullptr) return;
  decoded->MakeRoom(bytes, Owner()->CurrentFrame());
  decoded->Add(*this, bytes);
  frameBitmap_->SetOnChange([this](TObject*) { Decoded()->Remove(*this); });
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
  if (frameBitmap_ && !frameBitmap_->Empty()) {
    if (TDecodedBitmaps* decoded = Decoded()) decoded->Touch(*this);
    return *frameBitmap_;
  }
  // An emptied bitmap is decoded again in place, so that references to it stay valid.
  if (!frameBitmap_) frameBitmap_ = std::make_unique<TBitmap>();
  if (SharedPixels()->EncodedData() != nullptr) DecodeFrameBitmap();
  return *frameBitmap_;
}

// Decodes straight into the rows of a new bitmap object, top row first, which the frame's bitmap
// then takes over: no bitmap file image in between. A frame without pixels leaves the bitmap
// empty.
void TGIFFrame::DecodeFrameBitmap() {
  const BITMAPINFOHEADER info = FrameDibHeader(*this);
  const int width = info.biWidth;
  const int height = info.biHeight;
  const int bits = info.biBitCount;
  if (info.biSizeImage == 0) {
    DecodeFrameInto(*this, {nullptr, 0, width, height, bits});
    return;
  }
  const std::size_t bytes = info.biSizeImage + kBitmapRecordBytes;
  if (TDecodedBitmaps* decoded = Decoded()) decoded->MakeRoom(bytes, Owner()->CurrentFrame());
  TBitmapHandle bitmap(TBitmapObject::Create(width, height, bits,
                                             FrameColorTable(SharedPixels()->FrameColors(), bits)));
  if (!bitmap) throw EOutOfMemory(messages::kOutOfMemory);
  DecodeFrameInto(
      *this, {bitmap->Bits(), static_cast<std::ptrdiff_t>(bitmap->Stride()), width, height, bits});
  frameBitmap_->TakeBitmap(std::move(bitmap));
  JoinBudget(bytes);
}

void TGIFFrame::NewFrameBitmap() {
  LeaveBudget();
  frameBitmap_.reset();
  frameBitmap_ = std::make_unique<TBitmap>();
}

void TGIFFrame::EmptyFrameBitmap() {
  if (frameBitmap_) frameBitmap_->Assign(nullptr);
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
