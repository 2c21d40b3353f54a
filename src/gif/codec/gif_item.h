#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "framework/core/shared_bytes.h"
#include "framework/graphics/types.h"
#include "gif/codec/color_table.h"
#include "gif/codec/shared_image.h"

// One frame's pixels as stored in the file, shared by the frames that were assigned from one
// another.
class TGIFItem : public TSharedImage {
 public:
  // The image data exactly as in the file: the LZW minimum code size byte, the data sub-blocks
  // with their length bytes, and the zero-length terminator when the file had it. A part of the
  // bytes the image was read from, not a copy of them. None while the frame has no encoded
  // pixels.
  const TSharedBytes* EncodedData() const { return encodedData_ ? &*encodedData_ : nullptr; }
  void SetEncodedData(TSharedBytes data) { encodedData_ = std::move(data); }
  void DropEncodedData() { encodedData_.reset(); }
  bool HasEncodedPixels() const { return encodedData_ && !encodedData_->Empty(); }

  TSize FrameSize() const { return frameSize_; }
  void SetFrameSize(TSize size) { frameSize_ = size; }
  // The image descriptor's packed byte as read.
  std::uint8_t DescriptorFlags() const { return descriptorFlags_; }
  void SetDescriptorFlags(std::uint8_t flags) { descriptorFlags_ = flags; }
  // Bits per pixel of the colour table that applies to the frame; 0 while not set.
  std::uint8_t FrameBits() const { return frameBits_; }
  void SetFrameBits(std::uint8_t bits) { frameBits_ = bits; }
  // The frame's local table, or a copy of the global table made when the frame was read. The
  // frames read from one file without tables of their own share one such copy; a frame's becomes
  // its own when it is changed (EditFrameColors).
  const GifColorTable& FrameColors() const;
  GifColorTable& EditFrameColors();
  void ShareFrameColors(std::shared_ptr<GifColorTable> colors) { frameColors_ = std::move(colors); }

 protected:
  void ReleaseContents() override {
    if (encodedData_) encodedData_ = TSharedBytes();
  }

 private:
  std::optional<TSharedBytes> encodedData_;
  TSize frameSize_;
  std::uint8_t descriptorFlags_ = 0;
  std::uint8_t frameBits_ = 0;
  std::shared_ptr<GifColorTable> frameColors_;  // none: the empty table
};
