#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/memory_stream.h"
#include "gif/codec/color_table.h"

// Colour i of the tables GifBuilder writes.
GifRgb TestColor(int index);

// Builds GIF data piece by piece for tests; each piece appends exactly the bytes the format
// gives it, so a test reads as the annotated layout of its file.
class GifBuilder {
 public:
  // "GIF" and the version, e.g. "89a".
  GifBuilder& Signature(std::string_view text = "GIF89a");
  // Logical screen descriptor; flags as stored (bit 7 global table, bits 0-2 its size - 1).
  GifBuilder& Screen(int width, int height, std::uint8_t flags, std::uint8_t background = 0,
                     std::uint8_t aspect = 0);
  // entries colours of TestColor.
  GifBuilder& Table(int entries);
  // 21 F9, block size, packed, delay (hundredths), transparent index, terminator.
  GifBuilder& GraphicControl(std::uint8_t packed, std::uint16_t delay, std::uint8_t index,
                             std::uint8_t blockSize = 4);
  GifBuilder& Comment(const std::vector<std::string>& blocks);
  // 21 FF, block size 11, the 11 identifier bytes, then the sub-blocks.
  GifBuilder& Application(std::string_view identifier, const std::vector<std::string>& blocks);
  GifBuilder& PlainText(const std::vector<std::string>& blocks);
  // 2C, the image descriptor, then data (minimum code size byte, sub-blocks, terminator).
  GifBuilder& Image(int left, int top, int width, int height, std::uint8_t flags,
                    const std::vector<std::uint8_t>& data);
  GifBuilder& Bytes(std::initializer_list<std::uint8_t> bytes);
  GifBuilder& Bytes(const std::vector<std::uint8_t>& bytes);
  GifBuilder& Trailer() { return Bytes({0x3B}); }

  const std::vector<std::uint8_t>& Data() const { return bytes_; }

 private:
  void Put16(int value);
  void PutSubBlocks(const std::vector<std::string>& blocks);

  std::vector<std::uint8_t> bytes_;
};

// A one-frame 89a GIF of a width x height image with a global table of 2^bits colours.
std::vector<std::uint8_t> SimpleGif(int width, int height, int bits,
                                    const std::vector<std::uint8_t>& data);
