#pragma once

// The software graphics device, with the platform's names: palettes, bitmaps, drawing tools,
// memory drawing surfaces and their state, raster operations, device-independent pixel access,
// shapes and text.
#include "framework/graphics/bitmap_object.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/dib_access.h"
#include "framework/graphics/drawing_tools.h"
#include "framework/graphics/palette.h"
#include "framework/graphics/raster_operation.h"
#include "framework/graphics/shape_drawing.h"
#include "framework/graphics/text_layout.h"
#include "framework/graphics/text_output.h"
