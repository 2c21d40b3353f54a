#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "framework/graphics/bitmap_object.h"

// Images stored PNG-compressed, as icon and cursor files of recent years keep most of theirs.

// Whether data starts with the PNG signature.
inline bool IsPngImage(std::span<const std::uint8_t> data) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return data.size() >= sizeof kSignature &&
         std::memcmp(data.data(), kSignature, sizeof kSignature) == 0;
}

// Decodes a PNG image of any colour type and bit depth into a new 32-bit bitmap with straight
// alpha. The size goes through the pixel-buffer cap before anything is allocated; damaged data
// raises EInvalidGraphic with message followed by the reason.
TBitmapHandle ReadPngImage(std::span<const std::uint8_t> data, const std::string& message);
