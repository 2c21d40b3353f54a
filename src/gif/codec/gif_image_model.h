#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/graphics/color.h"
#include "gif/codec/codec_progress.h"
#include "gif/codec/gif_data.h"
#include "gif/codec/gif_frame_model.h"
#include "gif/codec/shared_image.h"

class TStream;

// Whether written GIF data is preceded by its byte count (32 bits, little-endian), as stored form
// data and the clipboard hold it.
enum class TLengthPrefix { Omitted, Written };

// A GIF as the codec keeps it: the image-wide data shared with the images it was assigned from or
// to, and an ordered list of frames whose pixels stay LZW-compressed as read. The picture
// (TGIFImage) adds drawing, decoded bitmaps and the framework's graphic operations on top; the
// codec works on this alone, so that it can be tested, fuzzed and reused without any picture.
class TGIFImageModel {
 public:
  // The version table: index 0 none, 1 "87a", 2 "89a".
  static constexpr const char* kVersions[] = {"", "87a", "89a"};

  TGIFImageModel();
  TGIFImageModel(const TGIFImageModel&) = delete;
  TGIFImageModel& operator=(const TGIFImageModel&) = delete;
  virtual ~TGIFImageModel();

  // Replaces the content with the GIF held in the next size bytes of stream, which is left
  // positioned after them whatever they hold; a stream with fewer bytes fails with "Stream read
  // error" before anything is read. The bytes are held once: the frames keep parts of them, shared
  // with a memory stream's own bytes, or read once from any other stream. Nothing is decoded.
  // After a failure the frames read before it stay, with no current frame; after success the
  // current frame is frame 0, if any.
  void ReadGifContent(std::int64_t size, TStream& stream);
  // Writes the whole GIF to stream, in one piece: nothing reaches stream when anything fails, and
  // a short write fails with "Stream write error". Frames read from a file keep their LZW data
  // byte for byte; the others are encoded first (EncodeAllFrames). Writing brings the image in
  // line with what is written: encoded frames, graphic control blocks, the version (89a with any
  // extension or comment) and the logical screen, so that writing it again gives the same bytes.
  // An image without frames fails with "No GIF Data to write".
  void WriteGif(TStream& stream, TLengthPrefix length);
  // Encodes every frame that has no encoded pixels yet and brings every frame's graphic control
  // block in line with its fields.
  void EncodeAllFrames();
  // Makes the logical screen the smallest one that holds every frame at its origin.
  virtual void RecomputeScreen();

  // A fresh header, no frames, no current frame, no background, no looping block, no version.
  void ResetImage();
  void FreeFrames();

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  // The frame at index; outside 0..FrameCount()-1 raises EListError "List index out of bounds".
  TGIFFrameModel* FrameAt(int index) const;
  bool HasTransparentFrame() const;
  // No frames, or the current frame (frame 0 while there is none) has no content.
  bool Empty() const;

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

  // A new frame owned by this image, not yet in its list: the only way frames are made for it,
  // so that a picture's frames are all picture frames.
  virtual std::unique_ptr<TGIFFrameModel> NewFrame();
  // Appends a new frame (made by NewFrame, without pixels) and returns it.
  TGIFFrameModel& AppendNewFrame() { return *AddFrame(NewFrame()); }
  // Where the LZW coders working on this image's frames report their progress: nowhere here.
  virtual TCodecProgress CodecProgress() { return {}; }

 protected:
  // Appends a frame made by NewFrame and returns it.
  TGIFFrameModel* AddFrame(std::unique_ptr<TGIFFrameModel> frame);
  // Holds source's header instead of its own (shared, one more reference) and takes its version,
  // background and looping block.
  void ShareHeaderOf(const TGIFImageModel& source);
  // Takes source's logical screen as stored and its current index.
  void CopyScreenOf(const TGIFImageModel& source);
  void RemoveFrame(int index);
  // Takes the frame at index out of the list; it keeps this image as its owner.
  std::unique_ptr<TGIFFrameModel> TakeFrame(int index);

 private:
  friend class TGifReader;  // appends the frames it reads

  std::int64_t EstimatedGifBytes() const;

  TSharedRef<TGIFData> header_;
  std::uint8_t gifVersion_ = 0;
  std::vector<std::unique_ptr<TGIFFrameModel>> frames_;
  int currentIndex_ = -1;
  std::uint16_t logicalWidth_ = 0;
  std::uint16_t logicalHeight_ = 0;
  TColor backColor_ = clNone;
  bool loopEnabled_ = false;
  std::uint16_t loopCount_ = 1;
};
