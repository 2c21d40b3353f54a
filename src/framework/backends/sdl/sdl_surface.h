#pragma once

#include <memory>

#include <SDL.h>

#include "framework/platform/argb_image.h"
#include "framework/platform/native_window.h"

struct TSdlSurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using TSdlSurface = std::unique_ptr<SDL_Surface, TSdlSurfaceDeleter>;

// SDL surfaces over our pixels, without copying them: the pixels must outlive the surface.
TSdlSurface SurfaceOf(const TArgbImage& image);
TSdlSurface SurfaceOf(const TPixelView& view);
