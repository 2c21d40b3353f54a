// controls-demo: shows a window built from form data.
//   controls-demo                  runs it in a window (SDL; SDL_VIDEODRIVER=offscreen works too)
//   controls-demo --snapshot FILE  renders it without a window and writes it as a BMP file

#include <cstdio>
#include <memory>
#include <string>

#include "demo_form.h"
#include "framework/backends/freetype_font_rasterizer.h"
#include "framework/backends/headless/frame_bitmap.h"
#include "framework/backends/headless/headless_backend.h"
#include "framework/backends/headless/headless_window.h"
#include "framework/backends/sdl/sdl_backend.h"
#include "framework/controls/application.h"
#include "framework/controls/register_controls.h"
#include "framework/core/exceptions.h"
#include "framework/platform/window_object.h"

namespace {

int Run(TWindowBackend& backend, const std::string& snapshot) {
  TScopedWindowBackend scope(backend);
  TApplication application;
  RegisterControlClasses();
  application.Initialize();
  application.SetTitle("Controls Demo");
  TDemoForm* form = nullptr;
  application.CreateForm(form);
  if (snapshot.empty()) {
    application.Run();
    return 0;
  }
  form->Show();
  application.ProcessMessages();
  const auto* window = static_cast<const THeadlessWindow*>(form->Handle()->native.get());
  SaveFrameAsBmp(window->Frame(), snapshot);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string snapshot = argc == 3 && std::string(argv[1]) == "--snapshot" ? argv[2] : "";
  try {
    TSdlServices services;
    services.SetCommandLine(argc, argv);
    TScopedPlatform platform(services);
    SetFontRasterizer(CreateFreeTypeFontRasterizer());
    // The one place where the backend is chosen.
    std::unique_ptr<TWindowBackend> backend;
    if (snapshot.empty()) {
      backend = std::make_unique<TSdlBackend>();
    } else {
      backend = std::make_unique<THeadlessBackend>();
    }
    return Run(*backend, snapshot);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "controls-demo: %s\n", error.what());
    return 1;
  }
}
