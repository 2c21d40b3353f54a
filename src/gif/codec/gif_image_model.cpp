#include "gif/codec/gif_image_model.h"

#include <algorithm>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/core/messages.h"
#include "gif/codec/gif_error.h"
#include "gif/codec/gif_messages.h"
#include "gif/codec/gif_reader.h"
#include "gif/codec/gif_writer.h"

TGIFImageModel::TGIFImageModel() {
  ResetImage();
}

TGIFImageModel::~TGIFImageModel() {
  FreeFrames();
}

void TGIFImageModel::ResetImage() {
  header_.Reset(new TGIFData);
  FreeFrames();
  currentIndex_ = -1;
  backColor_ = clNone;
  loopCount_ = 1;
  loopEnabled_ = false;
  gifVersion_ = 0;
}

void TGIFImageModel::FreeFrames() {
  // First to last, as the frames were read.
  for (auto& frame : frames_)
    frame.reset();
  frames_.clear();
}

TGIFFrameModel* TGIFImageModel::FrameAt(int index) const {
  if (index < 0 || index >= FrameCount()) throw EListError(messages::kListIndexError);
  return frames_[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<TGIFFrameModel> TGIFImageModel::NewFrame() {
  return std::make_unique<TGIFFrameModel>(this);
}

TGIFFrameModel* TGIFImageModel::AddFrame(std::unique_ptr<TGIFFrameModel> frame) {
  frames_.push_back(std::move(frame));
  return frames_.back().get();
}

void TGIFImageModel::RemoveFrame(int index) {
  frames_.erase(frames_.begin() + index);
}

std::unique_ptr<TGIFFrameModel> TGIFImageModel::TakeFrame(int index) {
  std::unique_ptr<TGIFFrameModel> frame = std::move(frames_[static_cast<std::size_t>(index)]);
  RemoveFrame(index);
  return frame;
}

void TGIFImageModel::ShareHeaderOf(const TGIFImageModel& source) {
  header_.Reset(source.header_.Get());
  gifVersion_ = source.gifVersion_;
  backColor_ = source.backColor_;
  loopCount_ = source.loopCount_;
  loopEnabled_ = source.loopEnabled_;
}

void TGIFImageModel::CopyScreenOf(const TGIFImageModel& source) {
  logicalWidth_ = source.logicalWidth_;
  logicalHeight_ = source.logicalHeight_;
  currentIndex_ = source.currentIndex_;
}

bool TGIFImageModel::HasTransparentFrame() const {
  return std::any_of(frames_.begin(), frames_.end(),
                     [](const auto& frame) { return frame->TransparentColor() != clNone; });
}

bool TGIFImageModel::Empty() const {
  return frames_.empty() || !FrameAt(std::max(currentIndex_, 0))->HasContent();
}

namespace {

// The next size bytes of stream, held once: a memory stream's own bytes are shared, not copied.
TSharedBytes TakeBytes(TStream& stream, std::int64_t size) {
  if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
    const std::int64_t start = memory->Position();
    memory->Seek(size, TSeekOrigin::soCurrent);
    return memory->ShareBytes(start, size);
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  stream.ReadBuffer(bytes.data(), size);
  return TSharedBytes(std::move(bytes));
}

}  // namespace

void TGIFImageModel::ReadGifContent(std::int64_t size, TStream& stream) {
  ResetImage();
  // The read is strict; a size the stream cannot supply is refused before anything is allocated.
  if (size < 0 || stream.Remaining() < size) throw EReadError(messages::kReadError);
  if (size > 0) TGifReader(*this, TakeBytes(stream, size)).ReadAll();
  if (FrameCount() > 0) currentIndex_ = 0;
}

void TGIFImageModel::WriteGif(TStream& stream, TLengthPrefix length) {
  if (FrameCount() == 0) GifError(gif_messages::kNoDataToWrite);
  EncodeAllFrames();
  TMemoryStream gif;
  gif.SetCapacity(EstimatedGifBytes());
  TGifWriter(*this, gif).WriteAll(length);
  stream.WriteBuffer(gif.Memory(), gif.Size());
}

// Room enough for the whole GIF in most cases, so that assembling it copies nothing twice.
std::int64_t TGIFImageModel::EstimatedGifBytes() const {
  constexpr std::int64_t kBlocksBytes = 1024;  // headers, tables and extensions, roughly
  std::int64_t bytes = kBlocksBytes;
  for (const auto& frame : frames_)
    bytes += static_cast<std::int64_t>(frame->SharedPixels()->EncodedData()->Size()) + kBlocksBytes;
  return bytes;
}

void TGIFImageModel::EncodeAllFrames() {
  for (const auto& frame : frames_) {
    TGIFItem& item = *frame->SharedPixels();
    if (!item.HasEncodedPixels()) {
      item.DropEncodedData();
      frame->EncodeFromBitmap();
    }
    frame->SyncControlBlock();
  }
}

void TGIFImageModel::RecomputeScreen() {
  int width = 0;
  int height = 0;
  for (const auto& frame : frames_) {
    const TSize size = frame->SharedPixels()->FrameSize();
    width = std::max(width, size.cx + frame->Origin().x);
    height = std::max(height, size.cy + frame->Origin().y);
  }
  logicalWidth_ = static_cast<std::uint16_t>(width);
  logicalHeight_ = static_cast<std::uint16_t>(height);
}
