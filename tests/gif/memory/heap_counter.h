#pragma once

#include <cstddef>

// Counts the bytes this test program holds through operator new, which its replacement here
// tracks: the program's own allocations (bitmaps, streams, tables) all go through it.
namespace heap_counter {

// Starts a new peak from the bytes held now.
void ResetPeak();
// The most bytes held at once since the last reset.
std::size_t Peak();

}  // namespace heap_counter
