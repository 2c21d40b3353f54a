#pragma once

// The graphics layer's message texts.
namespace graphics_messages {

inline constexpr const char* kInvalidBitmap = "Bitmap image is not valid";
inline constexpr const char* kInvalidIcon = "Icon image is not valid";
inline constexpr const char* kInvalidMetafile = "Metafile is not valid";
inline constexpr const char* kUnknownExtension = "Unknown picture file extension (.%s)";
inline constexpr const char* kUnknownPictureClass = "Unknown picture class %s";
inline constexpr const char* kChangeIconSize = "Cannot change the size of an icon";
inline constexpr const char* kNoCanvas = "Canvas does not allow drawing";
inline constexpr const char* kClipboardFormat = "Unsupported clipboard format";

}  // namespace graphics_messages
