#pragma once

#include "framework/controls/cursor_numbers.h"
#include "framework/platform/resource_name.h"

// Cursor numbers registered at start-up from the program's cursor groups "LIB_HANDCUR" and
// "LIB_DRAGCUR".
inline constexpr TCursor crHandCursor = 14000;
inline constexpr TCursor crDragCursor = 14001;

// Numbers AddCursorFromResource hands out, both included.
inline constexpr int kFirstRegisteredCursor = 100;
inline constexpr int kLastRegisteredCursor = 32767;

// Start-up step of the cursor module, once, after the screen exists and before any form is read:
// registers crHandCursor and crDragCursor. A cursor the program lacks leaves its number without an
// entry, unreported.
void RegisterFixedCursors();

// Loads the program's cursor of that name (a cursor group first, then an animated cursor) and
// registers it under the first free number from 100 to 32767, a free number being one that shows
// the default cursor. Every call registers a new number, also for a name registered before.
// Raises EResNotFound "Resource %s not found" when there is no such cursor, and EOutOfResources
// "Out of system resources" (after destroying the loaded cursor) when no number is free.
//
// The program is one module with one resource table, so no module instance is passed.
TCursor AddCursorFromResource(const TResourceName& name);
