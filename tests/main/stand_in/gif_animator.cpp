#include "animation/gif_animator.h"

#include "animation/register_animation.h"
#include "framework/core/class_registry.h"
#include "framework/core/property_table.h"

TGIFAnimator::TGIFAnimator(TComponent* owner) : TGraphicControl(owner) {}

const TPropertyTable& TGIFAnimator::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TGraphicControl::StaticProperties())
          .Boolean("Animate", &TGIFAnimator::Animate, &TGIFAnimator::SetAnimate, false)
          .Integer("FrameIndex", &TGIFAnimator::FrameIndex, &TGIFAnimator::SetFrameIndex, 0)
          .Object("Image", &TGIFAnimator::Image);
  return table;
}

void TGIFAnimator::SetFrameIndex(int value) {
  if (value < 0 || value >= image_.FrameCount()) return;
  frameIndex_ = value;
}

void TGIFAnimator::Paint() {
  if (!image_.Empty()) image_.Draw(Canvas(), ClientRect());
}

void RegisterAnimationClasses() {
  RegisterClass<TGIFAnimator>("TGIFAnimator");
}
