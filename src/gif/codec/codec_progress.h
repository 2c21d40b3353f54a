#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "framework/core/exceptions.h"
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

// Runs work between the two stages every coder reports: StageStarting at 0 percent, then
// StageEnding with 100 percent after success, or with 0 percent and the error's message when
// work fails (the error then goes on).
template <typename Work>
void ReportStages(const TCodecProgress& progress, Work&& work) {
  try {
    progress.Report(StageStarting, 0);
    work();
  } catch (const Exception& error) {
    progress.Report(StageEnding, 0, error.Message());
    throw;
  } catch (const std::exception& error) {
    progress.Report(StageEnding, 0, error.what());
    throw;
  }
  progress.Report(StageEnding, 100);
}
