#pragma once

#include <cstdint>
#include <vector>

class TGIFImage;

// Two frames over a global table of 4 TestColor colours: 4 x 3 pixels all of colour 1, then
// 2 x 2 at (1, 1) of colours 2 2 / 3 3.
std::vector<std::uint8_t> SimpleTwoFrameGif();

// Loads the GIF into image as a picture loads a file.
void LoadGif(TGIFImage& image, const std::vector<std::uint8_t>& gif);
