#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"

// The one reader of little-endian numbers in bytes that came from outside (GIF, BMP, ICO and CUR
// files, form data, stream lengths). Every parser reads its multi-byte fields through these, so
// that none can read outside its bytes: a field that does not fit raises EReadError "Stream read
// error" (parsers check their sizes first and report their own messages; this is the last guard).

// The unsigned 16-bit number at bytes[at], bytes[at + 1].
inline std::uint16_t ReadLittleEndian16(std::span<const std::uint8_t> bytes, std::size_t at = 0) {
  if (at > bytes.size() || bytes.size() - at < 2) throw EReadError(messages::kReadError);
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// The unsigned 32-bit number at bytes[at] to bytes[at + 3].
inline std::uint32_t ReadLittleEndian32(std::span<const std::uint8_t> bytes, std::size_t at = 0) {
  if (at > bytes.size() || bytes.size() - at < 4) throw EReadError(messages::kReadError);
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
