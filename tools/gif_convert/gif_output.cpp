#include "gif_output.h"

#include "convert_error.h"
#include "framework/core/exceptions.h"
#include "gif/picture/gif_image.h"

namespace {

// Every frame of gif, sharing its encoded pixels.
void AppendFramesOf(TGIFImage& gif, TGIFImage& image) {
  for (int i = 0; i < gif.FrameCount(); ++i) {
    gif.SetCurrentIndex(i);
    image.AppendFrame(&gif);
  }
}

void AppendInput(const InputPicture& input, TGIFImage& image) {
  try {
    if (auto* gif = dynamic_cast<TGIFImage*>(input.picture.get())) {
      AppendFramesOf(*gif, image);
    } else {
      image.AppendFrame(input.picture.get());
    }
  } catch (const Exception& failure) {
    throw ConvertError{input.file, failure.Message()};
  }
}

}  // namespace

void MakeGif(const std::vector<InputPicture>& inputs, const ConvertOptions& options,
             TGIFImage& image) {
  const auto* single =
      inputs.size() == 1 ? dynamic_cast<TGIFImage*>(inputs[0].picture.get()) : nullptr;
  if (single != nullptr) {
    image.Assign(single);
  } else {
    for (const InputPicture& input : inputs)
      AppendInput(input, image);
  }
  if (options.delayMs) {
    for (int i = 0; i < image.FrameCount(); ++i)
      image.FrameAt(i)->SetDelayMs(*options.delayMs);
  }
  if (options.loopCount) {
    image.SetLoopEnabled(true);
    image.SetLoopCount(*options.loopCount);
  }
}
