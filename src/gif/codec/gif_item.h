#pragma once

#include <cstdint>
#include <memory>

#include "framework/core/memory_stream.h"
#include "framework/graphics/types.h"
#include "gif/codec/color_table.h"
#include "gif/codec/shared_image.h"

// One frame's pixels as stored in the file, shared by the frames that were assigned from one
// another.
class TGIFItem : public TSharedImage {
 public:
  // The image data exactly as in the file: the LZW minimum code size byte, the data sub-blocks
  // with their length bytes, and the zero-length terminator when the file had it. None while the
  // frame has no encoded pixels.
  TMemoryStream* EncodedData() const { return encodedData_.get(); }
  void SetEncodedData(std::unique_ptr<TMemoryStream> data) { encodedData_ = std::move(data); }
  bool HasEncodedPixels() const { return encodedData_ != nullptr && encodedData_->Size() > 0; }

  TSize FrameSize() const { return frameSize_; }
  void SetFrameSize(TSize size) { frameSize_ = size; }
  // The image descriptor's packed byte as read.
  std::uint8_t DescriptorFlags() const { return descriptorFlags_; }
  void SetDescriptorFlags(std::uint8_t flags) { descriptorFlags_ = flags; }
  // Bits per pixel of the colour table that applies to the frame; 0 while not set.
  std::uint8_t FrameBits() const { return frameBits_; }
  void SetFrameBits(std::uint8_t bits) { frameBits_ = bits; }
  // The frame's local table, or a copy of the global table made when the frame was read.
  GifColorTable& FrameColors() { return frameColors_; }
  const GifColorTable& FrameColors() const { return frameColors_; }

 protected:
  void ReleaseContents() override {
    if (encodedData_) encodedData_->SetSize(0);
  }

 private:
  std::unique_ptr<TMemoryStream> encodedData_;
  TSize frameSize_;
  std::uint8_t descriptorFlags_ = 0;
  std::uint8_t frameBits_ = 0;
  GifColorTable frameColors_;
};
