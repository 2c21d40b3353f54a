#pragma once

#include <cstdint>

// The bytes that start the blocks of a GIF stream, and the looping block's identifier.
namespace gif_blocks {

inline constexpr std::uint8_t kExtensionIntroducer = '!';
inline constexpr std::uint8_t kImageIntroducer = ',';
inline constexpr std::uint8_t kTrailer = ';';
// The application identifier and authentication code of the looping block.
inline constexpr const char kLoopIdentifier[] = "NETSCAPE2.0";

}  // namespace gif_blocks
