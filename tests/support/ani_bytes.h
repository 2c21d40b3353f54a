#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/types.h"

// Animated cursor files written by hand for the reader's tests: chunks, lists and whole files,
// with small icon and cursor files made by the framework's icon writer.
namespace ani_test {

using Bytes = std::vector<std::uint8_t>;

void AppendU16(Bytes& bytes, unsigned value);
void AppendU32(Bytes& bytes, std::uint32_t value);

// A chunk: identifier, size (the data's unless given), data, and the pad byte of an odd size.
Bytes Chunk(std::string_view id, const Bytes& data, std::int64_t size = -1);
// A "LIST" chunk of that type holding the chunks given one after another.
Bytes List(std::string_view type, const std::vector<Bytes>& chunks);
// "RIFF", a size, "ACON", then the chunks.
Bytes AniFile(const std::vector<Bytes>& chunks);

// An "anih" chunk: frames, steps, default rate and flags (bit 0 set by default).
Bytes AniHeader(std::int32_t frames, std::int32_t steps, std::int32_t rate, std::int32_t flags = 1);
// A chunk of 32-bit values ("rate" or "seq ").
Bytes Values(std::string_view id, const std::vector<std::int32_t>& values);
// A "fram" list of "icon" chunks holding the given files.
Bytes FrameList(const std::vector<Bytes>& files);

// A square 4-bit cursor file (type 2) with that hot spot; every pixel has the colour index shade.
Bytes CursorFile(int size, TPoint hotSpot, int shade = 1);
// The same as an icon file (type 1).
Bytes IconFile(int size, int shade = 1);

}  // namespace ani_test
