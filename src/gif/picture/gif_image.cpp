#include "gif/picture/gif_image.h"

#include <algorithm>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/gif_reader.h"

TGIFImage::TGIFImage() {
  ResetImage();
}

TGIFImage::~TGIFImage() {
  // Nothing is notified while the image goes.
  SetOnChange(nullptr);
  FreeFrames();
}

void TGIFImage::ResetImage() {
  header_.Reset(new TGIFData);
  FreeFrames();
  currentIndex_ = -1;
  backColor_ = clNone;
  loopCount_ = 1;
  loopEnabled_ = false;
  gifVersion_ = 0;
}

void TGIFImage::FreeFrames() {
  // First to last, as the frames were read.
  for (auto& frame : frames_)
    frame.reset();
  frames_.clear();
}

TGIFFrame* TGIFImage::FrameAt(int index) const {
  if (index < 0 || index >= FrameCount()) throw EListError(messages::kListIndexError);
  return frames_[static_cast<std::size_t>(index)].get();
}

TGIFFrame* TGIFImage::AddFrame(std::unique_ptr<TGIFFrame> frame) {
  frames_.push_back(std::move(frame));
  return frames_.back().get();
}

bool TGIFImage::HasTransparentFrame() const {
  for (const auto& frame : frames_) {
    if (frame->TransparentColor() != clNone) return true;
  }
  return false;
}

void TGIFImage::ReadGif(std::int64_t size, TStream& stream, bool decodeFirst) {
  ResetImage();
  // The copy is strict; a size the stream cannot supply is refused before anything is allocated.
  if (size < 0 || stream.Remaining() < size) throw EReadError(messages::kReadError);
  if (size > 0) {
    TMemoryStream data;
    data.SetSize(size);
    stream.ReadBuffer(data.Memory(), size);
    TGifReader(*this, data).ReadAll();
  }
  if (FrameCount() > 0) {
    currentIndex_ = 0;
    if (decodeFirst) DecodeFirstFrame();
  }
  Changed(this);
}

void TGIFImage::DecodeFirstFrame() {
  try {
    CurrentBitmap();
  } catch (...) {
    frames_.erase(frames_.begin());
    // No frame left means no current frame.
    if (frames_.empty()) currentIndex_ = -1;
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

void TGIFImage::AssignImage(const TGIFImage& source) {
  header_.Reset(source.header_.Get());
  gifVersion_ = source.gifVersion_;
  backColor_ = source.backColor_;
  loopCount_ = source.loopCount_;
  loopEnabled_ = source.loopEnabled_;
  FreeFrames();
  for (const auto& sourceFrame : source.frames_) {
    auto frame = std::make_unique<TGIFFrame>(this);
    frame->Assign(sourceFrame.get());
    frame->SetLocalColors(sourceFrame->LocalColors());
    AddFrame(std::move(frame));
  }
  logicalWidth_ = source.logicalWidth_;
  logicalHeight_ = source.logicalHeight_;
  currentIndex_ = source.currentIndex_;
  Changed(this);
}

void TGIFImage::AssignFrame(const TGIFFrame& source) {
  ResetImage();
  if (const TGIFImage* owner = source.Owner()) {
    const TGIFData& from = *owner->SharedHeader();
    header_->SetAspectRatio(from.AspectRatio());
    header_->SetGlobalBits(from.GlobalBits());
    header_->SetColorResolution(from.ColorResolution());
    header_->GlobalColors() = from.GlobalColors();
  }
  TGIFFrame* frame = AddFrame(std::make_unique<TGIFFrame>(this));
  currentIndex_ = FrameCount() - 1;
  frame->Assign(&source);
  if (gifVersion_ == 0) gifVersion_ = 1;
  Changed(this);
}

void TGIFImage::NotifyProgress(TObject* sender, TProgressStage stage, std::uint8_t percentDone,
                               bool redrawNow, const TRect& rect, const std::string& message) {
  if (onCodecProgress_) onCodecProgress_(sender, stage, percentDone, redrawNow, rect, message);
}

bool TGIFImage::Equals(const TGraphic* graphic) {
  const auto* other = dynamic_cast<const TGIFImage*>(graphic);
  return other != nullptr && other->header_.Get() == header_.Get();
}

bool TGIFImage::Empty() const {
  if (frames_.empty()) return true;
  const TGIFFrame* frame = FrameAt(std::max(currentIndex_, 0));
  return frame->FrameBitmap() == nullptr && !frame->SharedPixels()->HasEncodedPixels();
}

void TGIFImage::ReadData(TStream& stream) {
  std::uint8_t length[4] = {};
  stream.Read(length, 4);
  const std::uint32_t size = static_cast<std::uint32_t>(length[0]) | length[1] << 8 |
                             length[2] << 16 | static_cast<std::uint32_t>(length[3]) << 24;
  ReadGif(size, stream, true);
}

void TGIFImage::LoadFromStream(TStream& stream) {
  ReadGif(stream.Size() - stream.Position(), stream, true);
}

void TGIFImage::SetHeight(int) {
  GifError(gif_messages::kCannotResize);
}

void TGIFImage::SetWidth(int) {
  GifError(gif_messages::kCannotResize);
}
