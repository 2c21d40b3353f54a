#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/graphics/color.h"

class TGIFImage;

// One image of a test GIF: its rectangle on the logical screen, its colour indexes row by row into
// the global table, and its graphic control block.
struct TestFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  int disposal = 0;
  int delay = 10;           // hundredths of a second
  int transparent = -1;     // the transparent index, or -1 for none
  bool withControl = true;  // without it, the frame has no delay, disposal or transparency
};

// A frame of the given colour indexes.
TestFrame PixelFrame(int left, int top, int width, int height, std::vector<std::uint8_t> pixels);
// A frame of one colour index.
TestFrame SolidFrame(int left, int top, int width, int height, std::uint8_t index);

// A GIF89a of the given logical screen, with a 16-colour global table of TestColor(0..15) and the
// background index given, holding the frames in order.
std::vector<std::uint8_t> AnimatedGif(int width, int height, const std::vector<TestFrame>& frames,
                                      std::uint8_t background = 0);

// The bytes read into a new image.
std::unique_ptr<TGIFImage> LoadGif(const std::vector<std::uint8_t>& bytes);

// The colour of index i of the table AnimatedGif writes.
TColor IndexColor(int index);
