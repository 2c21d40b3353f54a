#pragma once

#include <cstdint>
#include <string>

#include "framework/core/object.h"

enum TProgressStage : std::uint8_t { StageStarting, StageRunning, StageEnding };

// Where an LZW coder reports its progress: a callback and its target. Without a callback the
// coders do no progress work at all.
class TCodecProgress {
 public:
  using Callback = void (*)(TObject* target, TProgressStage stage, std::uint8_t percentDone,
                            const std::string& message);

  TCodecProgress() = default;
  TCodecProgress(Callback callback, TObject* target) : callback_(callback), target_(target) {}

  bool Active() const { return callback_ != nullptr; }
  void Report(TProgressStage stage, std::uint8_t percentDone,
              const std::string& message = {}) const {
    if (callback_) callback_(target_, stage, percentDone, message);
  }

 private:
  Callback callback_ = nullptr;
  TObject* target_ = nullptr;
};
