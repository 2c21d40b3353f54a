#pragma once

#include <filesystem>

class TGIFFrame;
class TMemoryStream;

// Something done with each frame as it comes out of the decoder (frame files now; composed
// pictures may follow).
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
