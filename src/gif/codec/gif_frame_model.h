#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/string_list.h"
#include "framework/graphics/color.h"
#include "framework/graphics/types.h"
#include "gif/codec/codec_progress.h"
#include "gif/codec/extension.h"
#include "gif/codec/gif_item.h"
#include "gif/codec/shared_image.h"

class TGIFImageModel;

// One image of a GIF as the codec keeps it: its shared encoded pixels, the extension blocks that
// preceded it, its place on the logical screen and its timing, transparency and disposal. The
// picture's frame (TGIFFrame) adds the decoded bitmap on top.
class TGIFFrameModel {
 public:
  explicit TGIFFrameModel(TGIFImageModel* owner);
  TGIFFrameModel(const TGIFFrameModel&) = delete;
  TGIFFrameModel& operator=(const TGIFFrameModel&) = delete;
  virtual ~TGIFFrameModel();

  // Holds a new empty pixel item and clears every field except the extensions (and the
  // picture's bitmap).
  virtual void ResetFrame();

  // The sub-blocks of the last comment extension. With create, a missing extension or list is
  // made; without it the result is none when either is missing.
  TStringList* CommentText(bool create);
  TStringList* ExistingComment() const;
  void SetCommentText(const TStringList& lines);

  // The image whose frame list holds the frame; none for a frame of its own.
  TGIFImageModel* OwnerModel() const { return owner_; }
  TGIFItem* SharedPixels() const { return pixels_.Get(); }
  TExtensionList* Extensions() const { return extensions_.get(); }
  void SetExtensions(std::unique_ptr<TExtensionList> list) { extensions_ = std::move(list); }
  TExtensionList& EnsureExtensions();

  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint origin) { origin_ = origin; }
  bool Interlaced() const { return interlaced_; }
  void SetInterlaced(bool value) { interlaced_ = value; }
  // The frame's data was found truncated or broken; only ResetFrame clears it.
  bool Corrupted() const { return corrupted_; }
  void SetCorrupted(bool value) { corrupted_ = value; }
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool value) { grayscale_ = value; }
  // The colour of the transparent index, clNone when the frame has none.
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor color) { transparentColor_ = color; }
  std::uint16_t DelayMs() const { return delayMs_; }
  void SetDelayMs(std::uint16_t value) { delayMs_ = value; }
  // The disposal method as stored: 0 unspecified, 1 leave, 2 background, 3 previous, 4-7 as read.
  std::uint8_t Disposal() const { return disposal_; }
  void SetDisposal(std::uint8_t value) { disposal_ = value; }
  bool LocalColors() const { return localColors_; }
  void SetLocalColors(bool value) { localColors_ = value; }

  // Whether the frame has pixels to show: encoded ones here, a decoded bitmap too in a picture.
  virtual bool HasContent() const { return pixels_->HasEncodedPixels(); }

  // Gives the frame encoded pixels made from its bitmap (see EncodeFromDib). A frame of the codec
  // has no bitmap: it fails with "No GIF Data to write", as a picture frame without one does.
  virtual void EncodeFromBitmap();
  // Brings the last graphic control block in line with the delay, transparency and disposal
  // (adding one when any of them needs it) and drops comment blocks without text. A frame left
  // with any extension makes its owner a GIF89a.
  void SyncControlBlock();
  // The first index of the frame's colour table holding the transparent colour; -1 when the frame
  // has none or the table lacks it.
  int TransparentIndex() const;
  // Where the LZW coders working on this frame report their progress: to its owner.
  TCodecProgress CodecProgress() const;

 protected:
  // Shares source's pixels and copies its place, timing, transparency, disposal and flags and its
  // comment (no other extension). A source of another image makes the colours local.
  void ShareContentOf(const TGIFFrameModel& source);

 private:
  void DropEmptyComments();

  TGIFImageModel* owner_;
  TSharedRef<TGIFItem> pixels_;
  std::unique_ptr<TExtensionList> extensions_;
  TPoint origin_;
  bool interlaced_ = false;
  bool corrupted_ = false;
  bool grayscale_ = false;
  TColor transparentColor_ = clNone;
  std::uint16_t delayMs_ = 0;
  std::uint8_t disposal_ = 0;
  bool localColors_ = false;
};
