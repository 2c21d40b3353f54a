#include "gif/codec/codec_progress.h"

#include "gif/picture/gif_image.h"

TCodecProgress TCodecProgress::For(TGIFImage* image) {
  if (image == nullptr || !image->ProgressObserved()) return {};
  return {ProgressThunk, image};
}

void ProgressThunk(TObject* target, TProgressStage stage, std::uint8_t percentDone,
                   const std::string& message) {
  static_cast<TGIFImage*>(target)->NotifyProgress(target, stage, percentDone, false, TRect{},
                                                  message);
}
