#include "gif/codec/gif_frame_model.h"

#include <algorithm>

#include "gif/codec/gif_error.h"
#include "gif/codec/gif_image_model.h"
#include "gif/codec/gif_messages.h"

TGIFFrameModel::TGIFFrameModel(TGIFImageModel* owner) : owner_(owner) {
  ResetFrame();
}

TGIFFrameModel::~TGIFFrameModel() = default;

void TGIFFrameModel::ResetFrame() {
  pixels_.Reset(new TGIFItem);
  grayscale_ = false;
  corrupted_ = false;
  transparentColor_ = clNone;
  origin_ = {};
  interlaced_ = false;
  localColors_ = false;
  delayMs_ = 0;
  disposal_ = 0;
}

void TGIFFrameModel::ShareContentOf(const TGIFFrameModel& source) {
  pixels_.Reset(source.pixels_.Get());
  localColors_ = source.owner_ != owner_ ? true : source.localColors_;
  origin_ = source.origin_;
  interlaced_ = source.interlaced_;
  transparentColor_ = source.transparentColor_;
  delayMs_ = source.delayMs_;
  disposal_ = source.disposal_;
  grayscale_ = source.grayscale_;
  corrupted_ = source.corrupted_;
  // Only the comment travels with the frame; other extensions stay with the source.
  const TStringList* comment = source.ExistingComment();
  if (comment != nullptr && !comment->Empty()) SetCommentText(*comment);
}

TExtensionList& TGIFFrameModel::EnsureExtensions() {
  if (!extensions_) extensions_ = std::make_unique<TExtensionList>();
  return *extensions_;
}

TStringList* TGIFFrameModel::ExistingComment() const {
  const TExtension* comment = LastExtensionOf(extensions_.get(), ekComment);
  return comment != nullptr ? comment->SubBlocks() : nullptr;
}

TStringList* TGIFFrameModel::CommentText(bool create) {
  if (!create) return ExistingComment();
  TExtension* comment = LastExtensionOf(extensions_.get(), ekComment);
  if (comment == nullptr) {
    auto added = std::make_unique<TExtension>();
    added->SetExtKind(ekComment);
    comment = added.get();
    EnsureExtensions().push_back(std::move(added));
  }
  return &comment->EnsureSubBlocks();
}

void TGIFFrameModel::SetCommentText(const TStringList& lines) {
  TStringList copy;
  copy.Assign(lines);  // lines may be this frame's own comment
  CommentText(true)->Assign(copy);
}

void TGIFFrameModel::EncodeFromBitmap() {
  GifError(gif_messages::kNoDataToWrite);
}

TCodecProgress TGIFFrameModel::CodecProgress() const {
  return owner_ != nullptr ? owner_->CodecProgress() : TCodecProgress();
}

int TGIFFrameModel::TransparentIndex() const {
  if (transparentColor_ == clNone) return -1;
  return ColorIndex(pixels_->FrameColors(), ColorToRGB(transparentColor_));
}

void TGIFFrameModel::SyncControlBlock() {
  TExtension* block = LastExtensionOf(extensions_.get(), ekGraphicControl);
  if (block == nullptr && (delayMs_ > 0 || transparentColor_ != clNone || disposal_ != 0)) {
    auto added = std::make_unique<TExtension>();
    added->SetExtKind(ekGraphicControl);
    added->RawHeader()[0] = 4;  // block size
    block = added.get();
    EnsureExtensions().push_back(std::move(added));
  }
  if (block != nullptr) {
    TExtension::Header& bytes = block->RawHeader();
    const int delay = delayMs_ / 10;
    bytes[2] = static_cast<std::uint8_t>(delay);
    bytes[3] = static_cast<std::uint8_t>(delay >> 8);
    const int transparent = TransparentIndex();
    // The user input flag and the reserved bits stay as they were.
    std::uint8_t packed = bytes[1] & 0xE2;
    if (transparent >= 0) {
      bytes[4] = static_cast<std::uint8_t>(transparent);
      packed |= 1;
    }
    bytes[1] = static_cast<std::uint8_t>(packed | (disposal_ & 7) << 2);
  }
  DropEmptyComments();
  if (extensions_ && !extensions_->empty() && owner_ != nullptr) owner_->SetGifVersion(2);
}

void TGIFFrameModel::DropEmptyComments() {
  if (!extensions_) return;
  std::erase_if(*extensions_, [](const std::unique_ptr<TExtension>& extension) {
    return extension && extension->ExtKind() == ekComment &&
           (extension->SubBlocks() == nullptr || extension->SubBlocks()->Empty());
  });
}
