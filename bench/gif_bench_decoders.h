#pragma once

#include <cstdint>
#include <span>
#include <string>

class TMemoryStream;

// The ways the GIF decoding benchmark decodes a file, each returning the pixels of all frames
// decoded (-1 when the decoder fails). The file's bytes are held once: the codec's image shares
// the memory stream's bytes; giflib reads them through a callback.

// The codec alone: read, then every frame into a bitmap file image (one stream, filled again for
// each frame).
std::int64_t DecodeWithCodec(TMemoryStream& file);
// What a user of the picture waits for: read, then every frame's decoded bitmap.
std::int64_t DecodeAsPicture(TMemoryStream& file);
// giflib, line by line into one frame-sized buffer.
std::int64_t DecodeWithGiflib(std::span<const std::uint8_t> file);

// The decoder of that name ("codec", "picture" or "giflib") on file.
std::int64_t DecodeWith(const std::string& decoder, TMemoryStream& file);
