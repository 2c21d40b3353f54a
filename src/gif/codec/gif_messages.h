#pragma once

// The GIF codec's message texts, shown to the user as they stand.
namespace gif_messages {

inline constexpr const char* kUnknownVersion = "Unknown GIF version";
inline constexpr const char* kUnrecognizedExtension = "Unrecognized extension block: %.2x";
inline constexpr const char* kWrongColorCount = "Wrong number of colors; must be a power of 2";
inline constexpr const char* kCodeSizeRange = "GIF code size not in range 2 to 9";
inline constexpr const char* kCorruptData = "GIF encoded data is corrupt";
inline constexpr const char* kImageTooLarge = "GIF image too large: %d x %d pixels";
inline constexpr const char* kNoDataToWrite = "No GIF Data to write";
inline constexpr const char* kEncodingError = "GIF image encoding error";

}  // namespace gif_messages
