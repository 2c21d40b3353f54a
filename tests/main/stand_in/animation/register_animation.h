#pragma once

// Test-only stand-in: registers the stand-in animator under the class name "TGIFAnimator".
void RegisterAnimationClasses();
