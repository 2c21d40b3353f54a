#pragma once

// The message texts of GIF pictures, shown to the user as they stand.
namespace gif_picture_messages {

inline constexpr const char* kCannotResize = "Cannot change the Size of a GIF image";
inline constexpr const char* kFileFormatDescription = "CompuServe GIF Image";
inline constexpr const char* kClipboardFormatName = "GIF Image";

}  // namespace gif_picture_messages
