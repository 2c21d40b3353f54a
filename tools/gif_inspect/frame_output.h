#pragma once

#include <filesystem>

#include "animation/gif_animator.h"

class TGIFFrame;
class TGIFImage;
class TMemoryStream;

// Something done with each frame as it comes out of the decoder.
class FrameOutput {
 public:
  virtual ~FrameOutput() = default;
  // dib holds the frame decoded as a bitmap file image.
  virtual void Write(int index, const TGIFFrame& frame, const TMemoryStream& dib) = 0;
};

// Writes each decoded frame as it is, to DIR/frame-NNN.bmp.
class DibFileOutput : public FrameOutput {
 public:
  explicit DibFileOutput(std::filesystem::path dir) : dir_(std::move(dir)) {}
  void Write(int index, const TGIFFrame& frame, const TMemoryStream& dib) override;

 private:
  std::filesystem::path dir_;
};

// Writes each frame as the animator composes it on the logical screen (disposal methods applied,
// transparent areas in the key colour), as a 32-bit bitmap file, to DIR/composed-NNN.bmp.
class ComposedFileOutput : public FrameOutput {
 public:
  ComposedFileOutput(std::filesystem::path dir, const TGIFImage& image);
  void Write(int index, const TGIFFrame& frame, const TMemoryStream& dib) override;

 private:
  std::filesystem::path dir_;
  TGIFAnimator animator_{nullptr};
};
