#include "animation/register_animation.h"

#include "animation/gif_animator.h"
#include "animation/threaded_timer.h"
#include "framework/core/class_registry.h"

void RegisterAnimationClasses() {
  RegisterClass<TGIFAnimator>("TGIFAnimator");
  RegisterClass<TThreadedTimer>("TThreadedTimer");
}
