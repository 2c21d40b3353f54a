#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/core/object.h"
#include "framework/graphics/types.h"

enum TProgressStage : std::uint8_t { StageStarting, StageRunning, StageEnding };

// An image's OnCodecProgress: sender, stage, percent done, redraw-now flag, rectangle, message.
using TCodecProgressEvent =
    std::function<void(TObject* sender, TProgressStage stage, std::uint8_t percentDone,
                       bool redrawNow, const TRect& rect, const std::string& message)>;

class TGIFImage;

// Where an LZW coder reports its progress: a callback and its target. Without a callback the
// coders do no progress work at all.
class TCodecProgress {
 public:
  using Callback = void (*)(TObject* target, TProgressStage stage, std::uint8_t percentDone,
                            const std::string& message);

  TCodecProgress() = default;
  TCodecProgress(Callback callback, TObject* target) : callback_(callback), target_(target) {}

  // Progress reported to image, or none when the image is absent or nobody observes its progress.
  static TCodecProgress For(TGIFImage* image);

  bool Active() const { return callback_ != nullptr; }
  void Report(TProgressStage stage, std::uint8_t percentDone,
              const std::string& message = {}) const {
    if (callback_) callback_(target_, stage, percentDone, message);
  }

 private:
  Callback callback_ = nullptr;
  TObject* target_ = nullptr;
};

// The callback for images: the target image's NotifyProgress, with RedrawNow false and an empty
// rectangle.
void ProgressThunk(TObject* target, TProgressStage stage, std::uint8_t percentDone,
                   const std::string& message);
