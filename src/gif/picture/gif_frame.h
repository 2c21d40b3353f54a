#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/persistent.h"
#include "framework/core/string_list.h"
#include "framework/graphics/color.h"
#include "framework/graphics/types.h"
#include "gif/codec/extension.h"
#include "gif/codec/gif_item.h"
#include "gif/codec/shared_image.h"

class TBitmap;
class TCanvas;
class TGIFImage;

// One image of a GIF: its shared encoded pixels, the extension blocks that preceded it, its
// place on the logical screen and its timing, transparency and disposal.
class TGIFFrame : public TPersistent {
 public:
  explicit TGIFFrame(TGIFImage* owner = nullptr);
  ~TGIFFrame() override;
  const char* ClassName() const override { return "TGIFFrame"; }

  // From another frame: shares its pixels and copies its fields and comment. From an image: its
  // current frame (or none when it has no frames). From none: a reset frame. The owner's
  // logical screen is recomputed afterwards.
  void Assign(const TPersistent* source) override;

  // Holds a new empty pixel item and clears every field except the bitmap and the extensions.
  void ResetFrame();

  // The sub-blocks of the last comment extension. With create, a missing extension or list is
  // made; without it the result is none when either is missing.
  TStringList* CommentText(bool create);
  TStringList* ExistingComment() const;
  void SetCommentText(const TStringList& lines);

  TGIFImage* Owner() const { return owner_; }
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

  // The decoded bitmap cache: none until the frame is first decoded, or set by assignment. An
  // empty bitmap counts as none and is decoded again.
  TBitmap* FrameBitmap() const { return frameBitmap_.get(); }
  // The frame's bitmap, decoded from the encoded pixels on first use (empty when there are none).
  // When decoding fails the frame keeps an empty bitmap, so the next use tries again.
  TBitmap& DecodedBitmap();
  // Replaces the bitmap by a new, empty one.
  void NewFrameBitmap();
  // The size of the decoded bitmap (decoding it if needed); 0 for a frame with neither a bitmap
  // nor encoded pixels.
  int FrameWidth();
  int FrameHeight();
  // Stretches the decoded bitmap into rect; with transparent, pixels of the frame's transparent
  // colour (when it has one) leave the canvas as it was.
  void DrawFrame(TCanvas& canvas, const TRect& rect, bool transparent);

 private:
  void AssignFrame(const TGIFFrame& source);
  void CopyFrameBitmap(const TGIFFrame& source);
  bool HasBitmapOrPixels() const;

  TGIFImage* owner_;
  std::unique_ptr<TBitmap> frameBitmap_;
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
