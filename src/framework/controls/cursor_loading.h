#pragma once

#include "framework/platform/handles.h"
#include "framework/platform/resource_name.h"

// The cursor of a cursor group resource of the program (a whole .cur file), made into a colour
// cursor with its hot spot; the caller owns it. Null when the program has no cursor of that name;
// a damaged one raises the graphics layer's EInvalidGraphic.
HCURSOR LoadCursorFromResource(const TResourceName& name);
