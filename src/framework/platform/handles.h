#pragma once

#include <cstdint>

// Handles of platform objects, opaque to everything above the platform layer. A null handle means
// none.
struct TGlobalBlock;   // a movable block of global memory (clipboard data)
struct TCursorObject;  // a mouse cursor
struct TWindowObject;  // a platform window

using HGLOBAL = TGlobalBlock*;
using HCURSOR = TCursorObject*;
using HWND = TWindowObject*;
