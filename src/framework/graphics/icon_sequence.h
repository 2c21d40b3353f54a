#pragma once

class TIcon;

// Icons shown one after another, each for its own time (an animated cursor's frames): what a
// picture of frames takes over without knowing where the icons come from.
class TIconSequence {
 public:
  virtual ~TIconSequence() = default;
  virtual int FrameCount() const = 0;
  virtual TIcon* FrameIcon(int index) const = 0;
  // How long the frame shows, in 1/60 s.
  virtual int FrameRateJiffies(int index) const = 0;
};
