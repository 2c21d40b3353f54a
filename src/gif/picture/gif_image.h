#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/color.h"
#include "framework/graphics/graphic.h"
#include "gif/codec/codec_progress.h"
#include "gif/codec/gif_data.h"
#include "gif/codec/shared_image.h"
#include "gif/picture/gif_frame.h"

class TBitmap;

// A GIF picture: the image-wide data shared with the images it was assigned from or to, and an
// ordered list of frames. Frames keep their pixels LZW-compressed as read and are decoded when
// their bitmap is first needed.
class TGIFImage : public TGraphic {
 public:
  // The version table: index 0 none, 1 "87a", 2 "89a".
  static constexpr const char* kVersions[] = {"", "87a", "89a"};

  TGIFImage();
  ~TGIFImage() override;
  const char* ClassName() const override { return "TGIFImage"; }

  // From another image: shares its data and frames' pixels. From a frame: a one-frame image with
  // that frame's owner's screen data. From none: the image is reset. Each fires OnChange
  // (assigning the image to itself changes nothing and fires nothing).
  void Assign(const TPersistent* source) override;

  // Replaces the content with the GIF held in the next size bytes of stream, which is left
  // positioned after them. With decodeFirst, frame 0 is decoded at once and dropped again when
  // that fails.
  void ReadGif(std::int64_t size, TStream& stream, bool decodeFirst);
  // A fresh header, no frames, no current frame, no background, no looping block, no version.
  void ResetImage();
  void FreeFrames();

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  // The frame at index; outside 0..FrameCount()-1 raises EListError "List index out of bounds".
  TGIFFrame* FrameAt(int index) const;
  // Appends frame (made with this image as owner) and returns it.
  TGIFFrame* AddFrame(std::unique_ptr<TGIFFrame> frame);
  bool HasTransparentFrame() const;

  TGIFData* SharedHeader() const { return header_.Get(); }
  std::uint8_t GifVersion() const { return gifVersion_; }
  void SetGifVersion(std::uint8_t version) { gifVersion_ = version; }
  int CurrentIndex() const { return currentIndex_; }
  void SetCurrentIndex(int index) { currentIndex_ = index; }
  // The logical screen; 0 x 0 while the image is empty.
  int LogicalWidth() const { return Empty() ? 0 : logicalWidth_; }
  int LogicalHeight() const { return Empty() ? 0 : logicalHeight_; }
  void SetLogicalWidth(std::uint16_t width) { logicalWidth_ = width; }
  void SetLogicalHeight(std::uint16_t height) { logicalHeight_ = height; }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor color) { backColor_ = color; }
  bool LoopEnabled() const { return loopEnabled_; }
  void SetLoopEnabled(bool value) { loopEnabled_ = value; }
  std::uint16_t LoopCount() const { return loopCount_; }
  void SetLoopCount(std::uint16_t count) { loopCount_ = count; }

  // Progress of the LZW coders working on this image's frames.
  const TCodecProgressEvent& OnCodecProgress() const { return onCodecProgress_; }
  void SetOnCodecProgress(TCodecProgressEvent handler) { onCodecProgress_ = std::move(handler); }
  virtual void NotifyProgress(TObject* sender, TProgressStage stage, std::uint8_t percentDone,
                              bool redrawNow, const TRect& rect, const std::string& message);
  // Whether anyone observes NotifyProgress; the coders skip all progress work when nobody does.
  virtual bool ProgressObserved() const { return static_cast<bool>(onCodecProgress_); }

  // Graphic operations.
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // Identity of the shared image data, not equality of content.
  bool Equals(const TGraphic* graphic) override;
  bool Empty() const override;
  int Height() override;
  int Width() override;
  // A 32-bit length, then that many bytes of GIF data.
  void ReadData(TStream& stream) override;
  void SetHeight(int value) override;
  void SetWidth(int value) override;
  void WriteData(TStream& stream) override;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) override;
  void SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) override;

  // The current frame's decoded bitmap (frame 0's when the index is out of range). An image
  // without frames is first given one without pixels, as assigning an empty bitmap would.
  TBitmap& CurrentBitmap();
  // The palette of CurrentBitmap; none for an image without frames.
  HPALETTE CurrentPalette();
  // The logical screen as the smallest one that holds every frame at its origin; decodes every
  // frame not decoded yet.
  void RecomputeScreen();

 private:
  void AppendEmptyFrame();
  void AssignImage(const TGIFImage& source);
  void AssignFrame(const TGIFFrame& source);
  void DecodeFirstFrame();

  TSharedRef<TGIFData> header_;
  std::uint8_t gifVersion_ = 0;
  std::vector<std::unique_ptr<TGIFFrame>> frames_;
  int currentIndex_ = -1;
  std::uint16_t logicalWidth_ = 0;
  std::uint16_t logicalHeight_ = 0;
  TColor backColor_ = clNone;
  bool loopEnabled_ = false;
  std::uint16_t loopCount_ = 1;
  TCodecProgressEvent onCodecProgress_;
};
