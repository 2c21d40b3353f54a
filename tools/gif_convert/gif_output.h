#pragma once

#include <memory>
#include <string>
#include <vector>

#include "convert_options.h"

class TGIFImage;
class TGraphic;

// The pictures read for the inputs, in order, and their files.
struct InputPicture {
  std::string file;
  std::unique_ptr<TGraphic> picture;
};

// Makes image the GIF the options ask for. A single GIF input is taken whole (its frames, their
// encoded pixels, its looping and comment); otherwise each input adds its frames in order, every
// frame of a GIF or one frame for another picture. --delay and --loop then apply. Raises
// ConvertError naming the input that cannot become a frame.
void MakeGif(const std::vector<InputPicture>& inputs, const ConvertOptions& options,
             TGIFImage& image);
