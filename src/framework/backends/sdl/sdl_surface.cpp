#include "framework/backends/sdl/sdl_surface.h"

TSdlSurface SurfaceOf(const TArgbImage& image) {
  if (image.Empty()) return nullptr;
  // SDL takes a non-const pointer but only reads through it here.
  auto* pixels = const_cast<std::uint32_t*>(image.pixels.data());
  return TSdlSurface(SDL_CreateRGBSurfaceWithFormatFrom(pixels, image.width, image.height, 32,
                                                        image.width * 4, SDL_PIXELFORMAT_ARGB8888));
}

TSdlSurface SurfaceOf(const TPixelView& view) {
  if (view.pixels == nullptr || view.width <= 0 || view.height <= 0) return nullptr;
  auto* pixels = const_cast<std::uint32_t*>(view.pixels);
  // The top byte carries nothing: the window shows opaque pixels.
  return TSdlSurface(SDL_CreateRGBSurfaceWithFormatFrom(pixels, view.width, view.height, 32,
                                                        view.stride * 4, SDL_PIXELFORMAT_RGB888));
}
