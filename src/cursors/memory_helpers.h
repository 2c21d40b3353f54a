#pragma once

#include <cstddef>

#include "framework/platform/handles.h"

// Small helpers on raw memory for the readers and converters of cursors, icons and bitmaps.

// Whether the first length bytes of a and b are equal; a length of 0 is equal. Whole 32-bit words
// are compared first, then the remaining bytes one by one.
bool CompareMemory(const void* a, const void* b, std::size_t length);

// The pointer advanced by byteCount bytes.
const void* OffsetPointer(const void* pointer, std::ptrdiff_t byteCount);
void* OffsetPointer(void* pointer, std::ptrdiff_t byteCount);

// Copies count bytes from source to destination; the blocks may overlap.
void MoveMemory(void* destination, const void* source, std::size_t count);

// Frees the global memory block and sets block to null; does nothing when it is null already.
void FreeGlobalAndNil(HGLOBAL& block);
