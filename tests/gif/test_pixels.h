#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// count colour indexes below colors, in runs of repeated pixels (which give long strings, as real
// pictures do), the same for the same seed.
std::vector<std::uint8_t> RandomPixels(std::size_t count, int colors, unsigned seed);
