#include "gif_output.h"

#include "convert_error.h"
#include "cursors/animated_cursor_image.h"
#include "framework/core/exceptions.h"
#include "gif/picture/gif_image.h"

namespace {

// A GIF and an animated cursor bring frames of their own, which a single input gives whole.
bool IsAnimation(const TPersistent* picture) {
  return dynamic_cast<const TGIFImage*>(picture) != nullptr ||
         dynamic_cast<const TAnimatedCursorImage*>(picture) != nullptr;
}

// Every frame of gif, sharing its encoded pixels.
void AppendFramesOf(TGIFImage& gif, TGIFImage& image) {
  for (int i = 0; i < gif.FrameCount(); ++i) {
    gif.SetCurrentIndex(i);
    image.AppendFrame(&gif);
  }
}

void AppendPicture(TPersistent* picture, TGIFImage& image) {
  if (auto* gif = dynamic_cast<TGIFImage*>(picture)) {
    AppendFramesOf(*gif, image);
  } else if (IsAnimation(picture)) {
    TGIFImage frames;
    frames.Assign(picture);
    AppendFramesOf(frames, image);
  } else {
    image.AppendFrame(dynamic_cast<const TGraphic*>(picture));
  }
}

void AddInputs(const std::vector<InputPicture>& inputs, TGIFImage& image) {
  for (const InputPicture& input : inputs) {
    try {
      if (inputs.size() == 1 && IsAnimation(input.picture.get())) {
        image.Assign(input.picture.get());
      } else {
        AppendPicture(input.picture.get(), image);
      }
    } catch (const Exception& failure) {
      throw ConvertError{input.file, failure.Message()};
    }
  }
}

}  // namespace

void MakeGif(const std::vector<InputPicture>& inputs, const ConvertOptions& options,
             TGIFImage& image) {
  AddInputs(inputs, image);
  if (options.delayMs) {
    for (int i = 0; i < image.FrameCount(); ++i)
      image.FrameAt(i)->SetDelayMs(*options.delayMs);
  }
  if (options.loopCount) {
    image.SetLoopEnabled(true);
    image.SetLoopCount(*options.loopCount);
  }
}
