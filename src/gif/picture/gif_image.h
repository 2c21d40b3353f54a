#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/graphics/graphic.h"
#include "gif/codec/gif_image_model.h"
#include "gif/picture/decoded_bitmaps.h"
#include "gif/picture/gif_frame.h"

class TIconSequence;
class TBitmap;

// An image's OnCodecProgress: sender, stage, percent done, redraw-now flag, rectangle, message.
using TCodecProgressEvent =
    std::function<void(TObject* sender, TProgressStage stage, std::uint8_t percentDone,
                       bool redrawNow, const TRect& rect, const std::string& message)>;

// A GIF picture: the codec's image, made a graphic of the framework. Frames are decoded into
// bitmaps when their pixels are first needed, and drawn, sized, assigned and loaded as pictures
// are.
class TGIFImage : public TGraphic, public TGIFImageModel {
 public:
  TGIFImage();
  ~TGIFImage() override;
  const char* ClassName() const override { return "TGIFImage"; }

  // From another image: shares its data and frames' pixels (and copies its screen: no frame is
  // decoded). From a frame, also one of this image's: a one-frame image with that frame's owner's
  // screen data. From a bitmap: a one-frame image holding a copy of it. From icons in sequence
  // (an animated cursor):
  // a frame per cursor frame, drawn on fuchsia as its transparent colour, shown for the frame's
  // rate in milliseconds (at most 65535) and cleared to the background (clWindow) before the
  // next, looping for ever. From none: the image is reset. Each fires OnChange (assigning the
  // image to itself changes nothing and fires nothing).
  void Assign(const TPersistent* source) override;

  // Appends a frame that assigns graphic (see TGIFFrame::Assign) and makes it current; the image
  // becomes a GIF87a when it had no version, a GIF89a once it has two frames. Fires nothing (the
  // callers do). When the frame cannot take graphic it is removed again and the error goes on.
  virtual void AppendFrame(const TGraphic* graphic);

  // ReadGifContent, then, with decodeFirst, frame 0 is decoded at once and dropped again when
  // that fails (when it was the only frame, no frame is current: CurrentIndex -1); a successful
  // read fires OnChange.
  void ReadGif(std::int64_t size, TStream& stream, bool decodeFirst);

  // The frame at index; outside 0..FrameCount()-1 raises EListError "List index out of bounds".
  TGIFFrame* FrameAt(int index) const;
  std::unique_ptr<TGIFFrameModel> NewFrame() override;

  // Progress of the LZW coders working on this image's frames.
  const TCodecProgressEvent& OnCodecProgress() const { return onCodecProgress_; }
  void SetOnCodecProgress(TCodecProgressEvent handler) { onCodecProgress_ = std::move(handler); }
  virtual void NotifyProgress(TObject* sender, TProgressStage stage, std::uint8_t percentDone,
                              bool redrawNow, const TRect& rect, const std::string& message);
  // Whether anyone observes NotifyProgress; the coders skip all progress work when nobody does.
  virtual bool ProgressObserved() const { return static_cast<bool>(onCodecProgress_); }
  TCodecProgress CodecProgress() override;

  // Graphic operations.
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // Identity of the shared image data, not equality of content.
  bool Equals(const TGraphic* graphic) override;
  bool Empty() const override { return TGIFImageModel::Empty(); }
  int Height() override;
  int Width() override;
  // A 32-bit length, then that many bytes of GIF data.
  void ReadData(TStream& stream) override;
  void SetHeight(int value) override;
  void SetWidth(int value) override;
  // WriteGif with the length before the GIF data.
  void WriteData(TStream& stream) override;
  void LoadFromStream(TStream& stream) override;
  // WriteGif: nothing reaches stream when writing fails.
  void SaveToStream(TStream& stream) override;
  // Replaces the file whole (see ReplaceFile): a failure leaves the file as it was.
  void SaveToFile(const std::string& fileName) override;
  // The clipboard's "GIF Image" data (whatever format and data say), with frame 0 taken from the
  // clipboard's bitmap when it has one too; without GIF data, the bitmap that format and data
  // hold.
  void LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) override;
  // Frame 0's bitmap as format, data and palette for the caller to place on the clipboard; the
  // GIF itself (with its length) goes on the clipboard as "GIF Image" beside it when every frame
  // has encoded pixels. Nothing for an image without frames.
  void SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) override;

  // The current frame's decoded bitmap (frame 0's when the index is out of range). An image
  // without frames is first given one without pixels, as assigning an empty bitmap would.
  TBitmap& CurrentBitmap();
  // The frame CurrentBitmap shows; none without frames.
  TGIFFrame* CurrentFrame() const;
  // The palette of CurrentBitmap; none for an image without frames.
  HPALETTE CurrentPalette();
  // The logical screen as the smallest one that holds every frame at its origin, each step kept in
  // 16 bits as the screen is (a frame reaching past 65535 wraps round); decodes every frame not
  // decoded yet.
  void RecomputeScreen() override;

  // The decoded bitmaps of this image's frames, kept within a budget.
  TDecodedBitmaps& DecodedBitmaps() { return decoded_; }

 protected:
  // To a GIF image: it assigns this image. To any other graphic: the current frame's bitmap, or
  // none when this image is empty.
  void AssignTo(TPersistent* destination) const override;

 private:
  TGIFFrame& AppendNewFrame();
  void AssignImage(const TGIFImage& source);
  void AssignFrame(const TGIFFrame& source);
  void AssignBitmap(const TBitmap& source);
  void AssignIconSequence(const TIconSequence& source);
  void DecodeFirstFrame();
  void ReadLengthAndGif(TStream& stream, bool decodeFirst);
  void PutGifOnClipboard();

  TCodecProgressEvent onCodecProgress_;
  TDecodedBitmaps decoded_;
};
