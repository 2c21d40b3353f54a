#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A GIF decoded by giflib, the reference the codec is compared with: each frame's colour
// indexes, frame-sized and top row first.
struct GiflibFrame {
  int width = 0;
  int height = 0;
  bool interlaced = false;
  int rowsDecoded = 0;  // in file order; giflib stops at the first row it cannot decode
  std::vector<std::uint8_t> indexes;
};

struct GiflibImage {
  bool opened = false;
  bool complete = false;  // every block up to the trailer read without error
  std::vector<GiflibFrame> frames;
};

// The image rows in the order a GIF stores them.
std::vector<int> GifRowOrder(int height, bool interlaced);

GiflibImage DecodeWithGiflib(const std::filesystem::path& file);
