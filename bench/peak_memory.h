#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Peak memory of one piece of work, measured in a process of its own, so that what one
// measurement leaves behind cannot sway another. What is counted is the heap: the bytes that
// malloc and its companions (and so operator new) hand out and have not taken back, counted
// exactly by this program's own versions of them; resident memory would add the program's code
// pages and move in whole pages, too coarse for small pictures.

// In the measuring process: the peak of bytes in use since the last call, above the bytes in use
// at that call (the first call only starts the count).
std::size_t PeakHeapBytesSinceLastCall();

// Runs this program (self) with args and returns the number it prints; -1 when it fails.
long NumberFromChild(const char* self, const std::vector<std::string>& args);
