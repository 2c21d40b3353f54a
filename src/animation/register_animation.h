#pragma once

// Makes the animation components known by class name (TGIFAnimator, TThreadedTimer), so that form
// data can create them. The program calls it at start-up, before any form is read.
void RegisterAnimationClasses();
