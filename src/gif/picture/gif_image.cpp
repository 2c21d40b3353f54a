#include "gif/picture/gif_image.h"

#include <algorithm>

#include "framework/core/file_replacement.h"
#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"
#include "framework/core/stream.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/icon_sequence.h"
#include "framework/platform/global_memory.h"
#include "framework/platform/platform_services.h"
#include "gif/codec/gif_error.h"
#include "gif/picture/gif_registration.h"
#include "gif/picture/picture_messages.h"

namespace {

// The disposal method that clears a frame's area before the next frame.
constexpr std::uint8_t kDisposeToBackground = 2;

// A display time in jiffies (1/60 s) in milliseconds, held to what a frame's 16 bits keep: a long
// time stays long rather than wrapping to a short one.
std::uint16_t JiffiesToMs(std::int64_t jiffies) {
  return static_cast<std::uint16_t>(std::clamp<std::int64_t>(jiffies * 100 / 6, 0, 0xFFFF));
}

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

TGIFFrame& TGIFImage::AppendNewFrame() {
  return static_cast<TGIFFrame&>(TGIFImageModel::AppendNewFrame());
}

void TGIFImage::AppendFrame(const TGraphic* graphic) {
  const int previous = CurrentIndex();
  TGIFFrame& frame = AppendNewFrame();
  SetCurrentIndex(FrameCount() - 1);
  try {
    frame.Assign(graphic);
  } catch (...) {
    RemoveFrame(FrameCount() - 1);
    SetCurrentIndex(previous);
    throw;
  }
  if (GifVersion() == 0) SetGifVersion(1);
  if (FrameCount() > 1) SetGifVersion(2);
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
  } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    AssignBitmap(*bitmap);
  } else if (const auto* icons = dynamic_cast<const TIconSequence*>(source)) {
    AssignIconSequence(*icons);
  } else {
    TGraphic::Assign(source);
  }
}

void TGIFImage::AssignBitmap(const TBitmap& source) {
  ResetImage();
  AppendFrame(&source);
  Changed(this);
}

void TGIFImage::AssignIconSequence(const TIconSequence& source) {
  ResetImage();
  SetBackColor(clWindow);
  // A cursor plays for ever, and each of its frames replaces the last one whole: left in place,
  // a frame would show through the next one's transparent pixels.
  SetLoopEnabled(true);
  SetLoopCount(0);
  for (int i = 0; i < source.FrameCount(); ++i) {
    AppendFrame(source.FrameIcon(i));
    TGIFFrame& frame = *FrameAt(CurrentIndex());
    frame.SetDelayMs(JiffiesToMs(source.FrameRateJiffies(i)));
    frame.SetDisposal(kDisposeToBackground);
  }
  Changed(this);
}

void TGIFImage::AssignTo(TPersistent* destination) const {
  if (dynamic_cast<TGIFImage*>(destination) != nullptr) {
    destination->Assign(this);
  } else if (dynamic_cast<TGraphic*>(destination) != nullptr) {
    if (Empty()) {
      destination->Assign(nullptr);
    } else {
      // The current frame's bitmap, decoded on first use, which does not change what is shown.
      auto& self = const_cast<TGIFImage&>(*this);
      destination->Assign(CurrentIndex() >= 0
                              ? FrameAt(CurrentIndex())
                              : static_cast<const TPersistent*>(&self.CurrentBitmap()));
    }
  } else {
    TGraphic::AssignTo(destination);
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
  TGIFFrame& frame = AppendNewFrame();
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
  ReadLengthAndGif(stream, true);
}

// A 32-bit length read leniently (missing bytes are 0), then that many bytes of GIF data.
void TGIFImage::ReadLengthAndGif(TStream& stream, bool decodeFirst) {
  std::uint8_t length[4] = {};
  stream.Read(length, 4);
  ReadGif(ReadLittleEndian32(length), stream, decodeFirst);
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
  if (FrameCount() == 0) {
    const TBitmap empty;
    Assign(&empty);
  }
  return CurrentFrame()->DecodedBitmap();
}

TGIFFrame* TGIFImage::CurrentFrame() const {
  if (FrameCount() == 0) return nullptr;
  return FrameAt(CurrentIndex() >= 0 && CurrentIndex() < FrameCount() ? CurrentIndex() : 0);
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

void TGIFImage::WriteData(TStream& stream) {
  WriteGif(stream, TLengthPrefix::Written);
}

void TGIFImage::SaveToStream(TStream& stream) {
  WriteGif(stream, TLengthPrefix::Omitted);
}

void TGIFImage::SaveToFile(const std::string& fileName) {
  TMemoryStream gif;
  SaveToStream(gif);
  ReplaceFile(fileName, gif.Bytes());
}

void TGIFImage::LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) {
  TPlatformServices& platform = Platform();
  HGLOBAL gifData = platform.GetClipboardData(CF_GIF);
  if (gifData == nullptr) {
    TBitmap bitmap;
    bitmap.LoadFromClipboardFormat(format, data, palette);
    Assign(&bitmap);
    return;
  }
  TMemoryStream stream(GlobalBlockBytes(gifData));
  ReadLengthAndGif(stream, false);
  if (FrameCount() == 0) return;
  SetCurrentIndex(0);
  if (platform.IsClipboardFormatAvailable(CF_BITMAP)) {
    TGIFFrame& first = *FrameAt(0);
    first.NewFrameBitmap();
    first.FrameBitmap()->LoadFromClipboardFormat(CF_BITMAP, platform.GetClipboardData(CF_BITMAP),
                                                 palette);
  }
}

void TGIFImage::SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) {
  if (FrameCount() == 0) return;
  FrameAt(0)->DecodedBitmap().SaveToClipboardFormat(format, data, palette);
  try {
    PutGifOnClipboard();
  } catch (...) {
    // The caller gets nothing, so the bitmap's block must not stay behind.
    Platform().GlobalFree(data);
    data = nullptr;
    format = 0;
    throw;
  }
}

// Only frames that all have their encoded pixels are put there: the others would have to be
// reduced to a palette first, which copying should not do.
void TGIFImage::PutGifOnClipboard() {
  for (int i = 0; i < FrameCount(); ++i) {
    if (!FrameAt(i)->SharedPixels()->HasEncodedPixels()) return;
  }
  TMemoryStream gif;
  WriteGif(gif, TLengthPrefix::Written);
  HGLOBAL block = GlobalBlockOf(gif.Bytes());
  Platform().SetClipboardData(CF_GIF, block);
}
