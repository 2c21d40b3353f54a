// quick-intro: the Quick Introduction program, in a desktop window.

#include <cstdio>
#include <exception>

#include "framework/backends/freetype_font_rasterizer.h"
#include "framework/backends/sdl/sdl_backend.h"
#include "framework/platform/window_backend.h"
#include "main/program_entry.h"

int main(int argc, char** argv) {
  try {
    TSdlServices services;
    services.SetCommandLine(argc, argv);
    TScopedPlatform platform(services);
    SetFontRasterizer(CreateFreeTypeFontRasterizer());
    // The one place where the backend is chosen: the desktop window.
    TSdlBackend backend;
    TScopedWindowBackend scope(backend);
    return RunQuickIntroduction();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quick-intro: %s\n", error.what());
    return 1;
  }
}
