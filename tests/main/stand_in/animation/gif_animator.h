#pragma once

#include "framework/controls/graphic_control.h"
#include "gif/gif_image.h"

// Test-only stand-in for the animator control until the real one is merged: it reads its GIF
// image from form data, keeps Animate and FrameIndex as the window sets them (a frame index
// outside the image's frames is ignored) and draws the image's current frame. It never animates.
class TGIFAnimator : public TGraphicControl {
 public:
  explicit TGIFAnimator(TComponent* owner);
  const char* ClassName() const override { return "TGIFAnimator"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  TGIFImage& Image() { return image_; }
  bool Animate() const { return animate_; }
  void SetAnimate(bool value) { animate_ = value; }
  int FrameIndex() const { return frameIndex_; }
  void SetFrameIndex(int value);

 protected:
  void Paint() override;

 private:
  TGIFImage image_;
  bool animate_ = false;
  int frameIndex_ = 0;
};
