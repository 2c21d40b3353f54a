#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "framework/graphics/bitmap_object.h"

// Reading a device-independent bitmap (info header, colour table, pixel rows) from bytes that came
// from outside: the body of a .bmp file and each image of an .ico or .cur file. Every size is
// checked against the data and the pixel-buffer limits before anything is read or allocated;
// faults raise EInvalidGraphic with the caller's message followed by the reason.

struct TDibInfo {
  int width = 0;
  int height = 0;  // rows in the data, always positive
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue for bit fields
  std::size_t headerBytes = 0;         // info header, bit-field masks and colour table
  TColorTable table{};
};

// Parses the info header (core, 40-byte, or a later larger one) and the colour table at the start
// of dib. message is the text the error starts with ("Bitmap image is not valid").
TDibInfo ReadDibInfo(std::span<const std::uint8_t> dib, const std::string& message);

// Decodes rows rows of info's width from pixels, stored bottom-up unless info.topDown, into a new
// bitmap of the same depth (16-bit data becomes 32-bit). The last row may lack its padding.
TBitmapHandle ReadDibPixels(const TDibInfo& info, int rows, std::span<const std::uint8_t> pixels,
                            const std::string& message);

[[noreturn]] void RaiseInvalid(const std::string& message, const char* reason);
