#pragma once

#include "framework/platform/handles.h"
#include "framework/platform/resource_name.h"

// The cursor of the program's animated cursor resource (type RT_ANICURSOR, a whole .ani file) of
// that name; the caller owns it. Null when there is no such resource, and when the cursor file
// reader can't make a cursor of its data.
//
// The data goes through a temporary file ("ANI" prefix, in the platform's folder for temporary
// files) that LoadCursorFromFile reads; the file is deleted on every path. Raises the platform's
// system error when no temporary file can be made, and the file stream's error when it can't be
// written.
HCURSOR LoadAnimatedCursorResource(const TResourceName& name);
