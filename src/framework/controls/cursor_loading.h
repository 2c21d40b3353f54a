#pragma once

#include <cstdint>
#include <span>

#include "framework/graphics/icon.h"
#include "framework/graphics/types.h"
#include "framework/platform/handles.h"
#include "framework/platform/resource_name.h"

// The size of the cursor images the framework shows: of a cursor file's images, the one that best
// fits it.
inline constexpr TSize kCursorSize{32, 32};

// The cursor of a whole .cur file image, made into a colour cursor with its hot spot; the caller
// owns it. Null when the data holds no image, and when it is damaged: the platform's loader
// answers data it can't read with no cursor at all.
HCURSOR LoadCursorFromData(std::span<const std::uint8_t> data);

// The cursor of a cursor group resource of the program: loaded by the platform where the backend
// offers it (TPlatformCursors), else made by LoadCursorFromData from the resource (a whole .cur
// file). Null when the program has no cursor of that name or its data is damaged.
HCURSOR LoadCursorFromResource(const TResourceName& name);
