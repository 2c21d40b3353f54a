#pragma once

#include <cstdint>
#include <span>

#include "framework/platform/handles.h"
#include "framework/platform/resource_name.h"

// The cursor of a whole .cur file image, made into a colour cursor with its hot spot; the caller
// owns it. Null when the data holds no image; damaged data raises the graphics layer's
// EInvalidGraphic.
HCURSOR LoadCursorFromData(std::span<const std::uint8_t> data);

// The cursor of a cursor group resource of the program: loaded by the platform where the backend
// offers it (TPlatformCursors), else made by LoadCursorFromData from the resource (a whole .cur
// file). Null when the program has no cursor of that name.
HCURSOR LoadCursorFromResource(const TResourceName& name);
