// quick-intro: the Quick Introduction program, in a desktop window.

#include <cstdio>
#include <exception>

#include "framework/backends/platform_font_rasterizer.h"
#include "framework/platform/window_backend.h"
#include "main/program_entry.h"

// The one place where the backend is chosen: the native one on Windows, the desktop window on SDL
// elsewhere.
#ifdef _WIN32
#include "framework/backends/win32/win32_backend.h"
#include "framework/backends/win32/win32_services.h"
using TProgramServices = TWin32ProgramServices;
using TProgramBackend = TWin32Backend;
#else
#include "framework/backends/sdl/sdl_backend.h"
using TProgramServices = TSdlServices;
using TProgramBackend = TSdlBackend;
#endif

int main(int argc, char** argv) {
  try {
    TProgramServices services;
    services.SetCommandLine(argc, argv);
    TScopedPlatform platform(services);
    SetFontRasterizer(CreatePlatformFontRasterizer());
    TProgramBackend backend;
    TScopedWindowBackend scope(backend);
    return RunQuickIntroduction();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quick-intro: %s\n", error.what());
    return 1;
  }
}
