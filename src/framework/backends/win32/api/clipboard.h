#pragma once

#include <cstddef>
#include <string>

// The system clipboard and global memory blocks through Win32 (see system.h for why these names
// are the backend's own). Blocks cross as void*, the platform's own handles.
namespace win32 {

// Global memory. GlobalAlloc makes a moveable, zero-filled block; null when the system has no
// memory for it. The others behave exactly as the platform's calls of those names.
void* GlobalAlloc(std::size_t size);
void* GlobalLock(void* block);
bool GlobalUnlock(void* block);
std::size_t GlobalSize(void* block);
void* GlobalFree(void* block);

// RegisterClipboardFormatA: the format's number, 0 when the name can't be registered.
unsigned RegisterFormat(const std::string& name);

// Each call below opens the clipboard for itself (owned by a hidden window of the calling thread)
// and closes it again, so other programs see what it did at once. They fail (null, false) while
// another program holds the clipboard open.
//
// Empties the clipboard and makes this program its owner.
bool EmptyClipboard();
// Places the block on the clipboard, which owns it from then on; the block, or null when refused.
void* SetClipboardData(unsigned format, void* block);
// The block the clipboard holds for the format (still the clipboard's), or null.
void* GetClipboardData(unsigned format);
bool IsClipboardFormatAvailable(unsigned format);

}  // namespace win32
