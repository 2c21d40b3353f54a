#include "gif/picture/gif_image.h"

#include <algorithm>

#include "framework/core/little_endian.h"
#include "framework/core/stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/codec/gif_error.h"
#include "gif/picture/picture_messages.h"

namespace {

// The coders' callback for images: the target image's NotifyProgress, with RedrawNow false and an
// empty rectangle.
void ProgressThunk(TObject* target, TProgressStage stage, std::uint8_t percentDone,
                   const std::string& message) {
  static_cast<TGIFImage*>(target)->NotifyProgress(target, stage, percentDone, false, TRect{},
                                                  message);
}

// What a one-frame image takes from the header of its frame's owner.
struct TScreenData {
  std::uint8_t aspectRatio = 0;
  std::uint8_t globalBits = 0;
  std::uint8_t colorResolution = 0;
  GifColorTable globalColors;
};

TScreenData ScreenDataOf(const TGIFData& header) {
  return {header.AspectRatio(), header.GlobalBits(), header.ColorResolution(),
          header.GlobalColors()};
}

void SetScreenData(TGIFData& header, const TScreenData& screen) {
  header.SetAspectRatio(screen.aspectRatio);
  header.SetGlobalBits(screen.globalBits);
  header.SetColorResolution(screen.colorResolution);
  header.GlobalColors() = screen.globalColors;
}

}  // namespace

TGIFImage::TGIFImage() = default;

TGIFImage::~TGIFImage() {
  // Nothing is notified while the image goes.
  SetOnChange(nullptr);
  FreeFrames();
}

TGIFFrame* TGIFImage::FrameAt(int index) const {
  // Every frame of a picture was made by its NewFrame.
  return static_cast<TGIFFrame*>(TGIFImageModel::FrameAt(index));
}

std::unique_ptr<TGIFFrameModel> TGIFImage::NewFrame() {
  return std::make_unique<TGIFFrame>(this);
}

TGIFFrame& TGIFImage::AppendFrame() {
  auto frame = std::make_unique<TGIFFrame>(this);
  TGIFFrame& appended = *frame;
  AddFrame(std::move(frame));
  return appended;
}

void TGIFImage::ReadGif(std::int64_t size, TStream& stream, bool decodeFirst) {
  ReadGifContent(size, stream);
  if (decodeFirst && FrameCount() > 0) DecodeFirstFrame();
  Changed(this);
}

void TGIFImage::DecodeFirstFrame() {
  try {
    CurrentBitmap();
  } catch (...) {
    RemoveFrame(0);
    // No frame left means no current frame.
    if (FrameCount() == 0) SetCurrentIndex(-1);
    throw;
  }
}

void TGIFImage::Assign(const TPersistent* source) {
  if (source == nullptr) {
    ResetImage();
    Changed(this);
  } else if (const auto* image = dynamic_cast<const TGIFImage*>(source)) {
    if (image != this) AssignImage(*image);
  } else if (const auto* frame = dynamic_cast<const TGIFFrame*>(source)) {
    AssignFrame(*frame);
  } else {
    TGraphic::Assign(source);
  }
}

// The frames are assigned without recomputing the screen after each (which would decode every
// frame for every frame): the source's screen is taken as a whole at the end.
void TGIFImage::AssignImage(const TGIFImage& source) {
  ShareHeaderOf(source);
  FreeFrames();
  for (int i = 0; i < source.FrameCount(); ++i) {
    const TGIFFrame& sourceFrame = *source.FrameAt(i);
    auto frame = std::make_unique<TGIFFrame>(this);
    TGIFFrame& added = *frame;
    AddFrame(std::move(frame));
    added.AssignFrame(sourceFrame);
    added.SetLocalColors(sourceFrame.LocalColors());
  }
  CopyScreenOf(source);
  Changed(this);
}

void TGIFImage::AssignFrame(const TGIFFrame& source) {
  // A frame of this image would go with the reset: it is kept aside until it has been copied.
  std::unique_ptr<TGIFFrameModel> keptAside;
  for (int i = 0; i < FrameCount() && !keptAside; ++i) {
    if (FrameAt(i) == &source) keptAside = TakeFrame(i);
  }
  const TScreenData screen =
      source.Owner() != nullptr ? ScreenDataOf(*source.Owner()->SharedHeader()) : TScreenData{};
  ResetImage();
  SetScreenData(*SharedHeader(), screen);
  TGIFFrame& frame = AppendFrame();
  SetCurrentIndex(FrameCount() - 1);
  frame.Assign(&source);
  if (GifVersion() == 0) SetGifVersion(1);
  Changed(this);
}

void TGIFImage::NotifyProgress(TObject* sender, TProgressStage stage, std::uint8_t percentDone,
                               bool redrawNow, const TRect& rect, const std::string& message) {
  if (onCodecProgress_) onCodecProgress_(sender, stage, percentDone, redrawNow, rect, message);
}

TCodecProgress TGIFImage::CodecProgress() {
  if (!ProgressObserved()) return {};
  return {ProgressThunk, this};
}

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
  if (CurrentIndex() < 0) return;
  FrameAt(CurrentIndex())
      ->DrawFrame(canvas, rect,
                  HasTransparentFrame() ? TFrameTransparency::Keyed : TFrameTransparency::Opaque);
}

bool TGIFImage::Equals(const TGraphic* graphic) {
  const auto* other = dynamic_cast<const TGIFImage*>(graphic);
  return other != nullptr && other->SharedHeader() == SharedHeader();
}

int TGIFImage::Width() {
  if (CurrentIndex() < 0 || CurrentIndex() >= FrameCount() || Empty()) return 0;
  return FrameAt(CurrentIndex())->FrameWidth();
}

int TGIFImage::Height() {
  if (CurrentIndex() < 0 || CurrentIndex() >= FrameCount() || Empty()) return 0;
  return FrameAt(CurrentIndex())->FrameHeight();
}

void TGIFImage::ReadData(TStream& stream) {
  std::uint8_t length[4] = {};
  stream.Read(length, 4);
  ReadGif(ReadLittleEndian32(length), stream, true);
}

void TGIFImage::LoadFromStream(TStream& stream) {
  ReadGif(stream.Size() - stream.Position(), stream, true);
}

void TGIFImage::SetHeight(int) {
  GifError(gif_picture_messages::kCannotResize);
}

void TGIFImage::SetWidth(int) {
  GifError(gif_picture_messages::kCannotResize);
}

TBitmap& TGIFImage::CurrentBitmap() {
  if (FrameCount() == 0) AppendEmptyFrame();
  return CurrentFrame()->DecodedBitmap();
}

TGIFFrame* TGIFImage::CurrentFrame() const {
  if (FrameCount() == 0) return nullptr;
  return FrameAt(CurrentIndex() >= 0 && CurrentIndex() < FrameCount() ? CurrentIndex() : 0);
}

void TGIFImage::AppendEmptyFrame() {
  ResetImage();
  AppendFrame();
  SetCurrentIndex(0);
  SetGifVersion(1);
  Changed(this);
}

HPALETTE TGIFImage::CurrentPalette() {
  return FrameCount() == 0 ? nullptr : CurrentBitmap().Palette();
}

void TGIFImage::RecomputeScreen() {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  for (int i = 0; i < FrameCount(); ++i) {
    TGIFFrame& frame = *FrameAt(i);
    width = static_cast<std::uint16_t>(std::max<int>(width, frame.FrameWidth() + frame.Origin().x));
    height =
        static_cast<std::uint16_t>(std::max<int>(height, frame.FrameHeight() + frame.Origin().y));
  }
  SetLogicalWidth(width);
  SetLogicalHeight(height);
}

void TGIFImage::WriteData(TStream&) {
  GifError(gif_picture_messages::kSavingNotSupported);
}

void TGIFImage::SaveToStream(TStream&) {
  GifError(gif_picture_messages::kSavingNotSupported);
}

void TGIFImage::LoadFromClipboardFormat(std::uint16_t, HGLOBAL, HPALETTE) {
  GifError(gif_picture_messages::kClipboardNotSupported);
}

void TGIFImage::SaveToClipboardFormat(std::uint16_t&, HGLOBAL&, HPALETTE&) {
  GifError(gif_picture_messages::kClipboardNotSupported);
}
