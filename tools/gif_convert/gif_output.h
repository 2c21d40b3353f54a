#pragma once

#include <memory>
#include <string>
#include <vector>

#include "convert_options.h"

class TGIFImage;
class TPersistent;

// The pictures read for the inputs, in order, and their files.
struct InputPicture {
  std::string file;
  std::unique_ptr<TPersistent> picture;
};

// Makes image the GIF the options ask for. A single GIF input is taken whole (its frames, their
// encoded pixels, its looping and comment), a single animated cursor as a GIF picture takes one
// (its frames on transparent fuchsia at their display times); otherwise each input adds its
// frames in order, every frame of a GIF or an animated cursor, one frame for another picture.
// --delay and --loop then apply. Raises ConvertError naming the input that cannot become a frame.
void MakeGif(const std::vector<InputPicture>& inputs, const ConvertOptions& options,
             TGIFImage& image);
