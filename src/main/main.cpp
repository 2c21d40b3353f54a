// quick-intro: the Quick Introduction program, in a desktop window.

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "framework/backends/freetype_font_rasterizer.h"
#include "framework/backends/sdl/sdl_backend.h"
#include "framework/platform/window_backend.h"
#include "main/program_entry.h"
#include "main/tour_date.h"

int main(int argc, char** argv) {
  try {
    TTourDateServices<TSdlServices> services;
    services.SetCommandLine(argc, argv);
    if (const char* text = std::getenv(kTourDateVariable)) {
      const auto date = ParseTourDate(text);
      if (!date) {
        std::fprintf(stderr, "quick-intro: %s is not a date YYYY-MM-DD: ignored\n",
                     kTourDateVariable);
      }
      services.SetTourDate(date);
    }
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
