#pragma once

#include <cstdint>
#include <string>

#include "framework/backends/win32/api/resources.h"

// Cursors and icons through Win32 (see system.h for why these names are the backend's own).
// Handles cross as void*.
namespace win32 {

// LoadCursorA from the program's own resources: a cursor the system shares, never destroyed.
// Null when the program has no cursor of that name.
void* LoadResourceCursor(TResourceKey name);
// LoadCursorFromFileA (static and animated cursor files); destroy it with DestroyCursor. Null
// when the file can't be read as a cursor.
void* LoadFileCursor(const std::string& path);
// A colour cursor or icon from straight-alpha pixels 0xAARRGGBB, rows from the top
// (CreateIconIndirect); destroy it with DestroyCursor or DestroyIcon. Null when it can't be made.
void* CreateArgbCursor(const std::uint32_t* argb, int width, int height, int hotSpotX,
                       int hotSpotY);
void* CreateArgbIcon(const std::uint32_t* argb, int width, int height);
void DestroyCursor(void* cursor);
void DestroyIcon(void* icon);
// One of the system's own cursors by its standard identifier (32512 the arrow, ...), shared.
void* SystemCursor(std::uint16_t id);
// SetCursor: shows the cursor now (null: the arrow).
void ShowCursor(void* cursor);

}  // namespace win32
