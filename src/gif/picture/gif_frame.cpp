#include "gif/picture/gif_frame.h"

#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"

TGIFFrame::TGIFFrame(TGIFImage* owner) : owner_(owner) {
  ResetFrame();
}

TGIFFrame::~TGIFFrame() = default;

void TGIFFrame::ResetFrame() {
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
  if (owner_ != nullptr) owner_->RecomputeScreen();
}

void TGIFFrame::AssignFrame(const TGIFFrame& source) {
  pixels_.Reset(source.pixels_.Get());
  localColors_ = source.owner_ != owner_ ? true : source.localColors_;
  origin_ = source.origin_;
  interlaced_ = source.interlaced_;
  CopyFrameBitmap(source);
  transparentColor_ = source.transparentColor_;
  delayMs_ = source.delayMs_;
  disposal_ = source.disposal_;
  grayscale_ = source.grayscale_;
  corrupted_ = source.corrupted_;
  // Only the comment travels with the frame; other extensions stay with the source.
  const TStringList* comment = source.ExistingComment();
  if (comment != nullptr && !comment->Empty()) SetCommentText(*comment);
}

TExtensionList& TGIFFrame::EnsureExtensions() {
  if (!extensions_) extensions_ = std::make_unique<TExtensionList>();
  return *extensions_;
}

TStringList* TGIFFrame::ExistingComment() const {
  const TExtension* comment = LastExtensionOf(extensions_.get(), ekComment);
  return comment != nullptr ? comment->SubBlocks() : nullptr;
}

TStringList* TGIFFrame::CommentText(bool create) {
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

void TGIFFrame::SetCommentText(const TStringList& lines) {
  TStringList copy;
  copy.Assign(lines);  // lines may be this frame's own comment
  CommentText(true)->Assign(copy);
}
