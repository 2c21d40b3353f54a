#include "gif/codec/gif_frame_model.h"

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
