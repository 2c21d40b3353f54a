#pragma once

#include "framework/graphics/icon.h"
#include "framework/platform/argb_image.h"
#include "framework/platform/cursor.h"

// Icons and cursors as the window backend takes them: straight-alpha pixels. Pixels the AND mask
// lets through are transparent; a 32-bit image with alpha keeps its own. Where a monochrome
// cursor would invert the screen (mask and colour both set), a colour cursor cannot, and shows
// black instead.
TArgbImage ArgbImageOf(const TIconImage& image);
// The image the icon shows (see TIcon::SetRequestedSize); empty for an empty icon.
TArgbImage ArgbImageOf(const TIcon& icon);
// The deepest of the icon's images of the size given; none when it has no image of that size.
const TIconImage* DeepestImageOfSize(const TIcon& icon, int width, int height);
TCursorImage CursorImageOf(const TIcon& icon);
