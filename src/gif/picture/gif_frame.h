#pragma once

#include <memory>

#include "framework/core/persistent.h"
#include "framework/graphics/types.h"
#include "gif/codec/gif_frame_model.h"

class TBitmap;
class TCanvas;
class TDecodedBitmaps;
class TGraphic;
class TMemoryStream;
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
  // bitmap. From any other graphic: a reset frame whose bitmap is a copy of it (an empty graphic
  // counts as none); graphics a bitmap cannot take, icons and metafiles, are drawn on a fuchsia
  // background, which then is the frame's transparent colour. The owner's logical screen is
  // recomputed afterwards.
  void Assign(const TPersistent* source) override;

  TGIFImage* Owner() const;
  bool HasContent() const override;
  // Also takes the bitmap out of the owner's budget: it is no longer a decoding of the pixels.
  void ResetFrame() override;
  // Encodes the bitmap (see EncodeFromDib): bitmaps of 1, 4 and 8 bits as they are, deeper ones
  // reduced to 8 bits first. A frame without a bitmap, or with an empty one, fails with "No GIF
  // Data to write".
  void EncodeFromBitmap() override;

  // The decoded bitmap cache: none until the frame is first decoded, or set by assignment. An
  // empty bitmap counts as none and is decoded again.
  TBitmap* FrameBitmap() const { return frameBitmap_.get(); }
  // The frame's bitmap, decoded from the encoded pixels on first use (empty when there are none,
  // or when the frame has no pixels: a width or height of 0). When decoding fails the frame keeps
  // an empty bitmap, so the next use tries again. The owner keeps decoded bitmaps within a budget
  // (TDecodedBitmaps): decoding another frame may empty this one, which is then decoded again on
  // its next use.
  TBitmap& DecodedBitmap();
  // Replaces the bitmap by a new, empty one.
  void NewFrameBitmap();
  // Empties the decoded bitmap (keeping the object), to be decoded again when next used.
  void EmptyFrameBitmap();
  // The size of the decoded bitmap (decoding it if needed); 0 for a frame with neither a bitmap
  // nor encoded pixels.
  int FrameWidth();
  int FrameHeight();
  // Stretches the decoded bitmap into rect. A black-and-white frame is keyed on its own
  // transparent colour too (keyed drawing keys monochrome bitmaps on white).
  void DrawFrame(TCanvas& canvas, const TRect& rect, TFrameTransparency transparency);

 protected:
  // To a GIF frame or image: it assigns this frame. To any other graphic: the decoded bitmap.
  void AssignTo(TPersistent* destination) const override;

 private:
  friend class TGIFImage;  // assigns its frames without recomputing its screen for each

  void AssignFrame(const TGIFFrame& source);
  std::unique_ptr<TMemoryStream> IndexedImage();
  void AssignGraphic(const TGraphic& source);
  void DrawOnFuchsia(const TGraphic& source);
  void CopyFrameBitmap(const TGIFFrame& source);
  bool HasBitmapOrPixels() const;
  void DecodeFrameBitmap();
  // The budget of decoded bitmaps this frame's are kept in; none for a frame of its own.
  TDecodedBitmaps* Decoded() const;
  void JoinBudget(std::size_t bytes);
  void LeaveBudget();

  std::unique_ptr<TBitmap> frameBitmap_;
};
