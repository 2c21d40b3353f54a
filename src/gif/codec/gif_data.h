#pragma once

#include <cstdint>

#include "framework/core/string_list.h"
#include "gif/codec/color_table.h"
#include "gif/codec/shared_image.h"

// Image-wide data of a GIF, shared by the images that were assigned from one another.
class TGIFData : public TSharedImage {
 public:
  // The image comment: the text of the comment blocks that precede the trailer.
  TStringList& CommentLines() { return commentLines_; }
  const TStringList& CommentLines() const { return commentLines_; }

  // The logical screen's pixel aspect ratio byte, kept verbatim.
  std::uint8_t AspectRatio() const { return aspectRatio_; }
  void SetAspectRatio(std::uint8_t value) { aspectRatio_ = value; }
  // Bits per pixel of the global colour table (1..8).
  std::uint8_t GlobalBits() const { return globalBits_; }
  void SetGlobalBits(std::uint8_t value) { globalBits_ = value; }
  // Colour resolution in bits (1..8), from the logical screen descriptor.
  std::uint8_t ColorResolution() const { return colorResolution_; }
  void SetColorResolution(std::uint8_t value) { colorResolution_ = value; }
  // Count 0 when the file has no global colour table.
  GifColorTable& GlobalColors() { return globalColors_; }
  const GifColorTable& GlobalColors() const { return globalColors_; }

 protected:
  void ReleaseContents() override { commentLines_.Clear(); }

 private:
  TStringList commentLines_;
  std::uint8_t aspectRatio_ = 0;
  std::uint8_t globalBits_ = 0;
  std::uint8_t colorResolution_ = 0;
  GifColorTable globalColors_;
};
