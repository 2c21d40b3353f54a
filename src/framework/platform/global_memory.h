#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/platform/handles.h"

// Global memory blocks filled and read whole, as clipboard data travels: on top of the platform
// services' global memory calls.

// A new block holding a copy of bytes. Raises EOutOfMemory when there is no memory for it.
HGLOBAL GlobalBlockOf(std::span<const std::uint8_t> bytes);

// A copy of the bytes of block, taken while it is locked; none for a handle that names no block.
std::vector<std::uint8_t> GlobalBlockBytes(HGLOBAL block);
