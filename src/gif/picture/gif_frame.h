#pragma once

#include <memory>

#include "framework/core/persistent.h"
#include "framework/graphics/types.h"
#include "gif/codec/gif_frame_model.h"

class TBitmap;
class TCanvas;
class TGIFImage;

// How DrawFrame treats the frame's transparent colour.
enum class TFrameTransparency {
  Opaque,  // every pixel is drawn
  Keyed,   // pixels of the transparent colour (when the frame has one) leave the canvas as it was
};

// One image of a GIF picture: the codec's frame with its decoded bitmap, drawn on canvases and
// copied between pictures.
class TGIFFrame : public TPersistent, public TGIFFrameModel {
 public:
  explicit TGIFFrame(TGIFImage* owner = nullptr);
  ~TGIFFrame() override;
  const char* ClassName() const override { return "TGIFFrame"; }

  // From another frame: shares its pixels and copies its fields, bitmap and comment. From an
  // image: its current frame (or none when it has no frames). From none: a reset frame without a
  // bitmap. The owner's logical screen is recomputed afterwards.
  void Assign(const TPersistent* source) override;

  TGIFImage* Owner() const;
  bool HasContent() const override;

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
  // Stretches the decoded bitmap into rect.
  void DrawFrame(TCanvas& canvas, const TRect& rect, TFrameTransparency transparency);

 private:
  void AssignFrame(const TGIFFrame& source);
  void CopyFrameBitmap(const TGIFFrame& source);
  bool HasBitmapOrPixels() const;

  std::unique_ptr<TBitmap> frameBitmap_;
};
