// Start-up of the program's window to its first painted page, and a Next click (from the welcome
// page to the next one, outside Init mode and December) to the repainted page, on the headless
// backend. Peers in the same run: a plain form of the same size with one button, created in code
// and painted; and a click on that button that makes the whole form repaint.
//
//   build/bench/quick_intro_bench
#include <benchmark/benchmark.h>

#include <memory>

#include "framework/backends/freetype_font_rasterizer.h"
#include "framework/backends/headless/headless_backend.h"
#include "framework/backends/posix/posix_services.h"
#include "framework/controls/application.h"
#include "framework/controls/button.h"
#include "framework/controls/register_controls.h"
#include "framework/platform/window_object.h"
#include "main/program_entry.h"
#include "main/quick_form.h"

namespace {

// The POSIX services on a day outside December.
class JuneServices : public TPosixServices {
 public:
  TLocalDateTime LocalDateTime() override { return {2026, 6, 15, 12, 0, 0, 0}; }
};

// Headless backend and services, with a date outside December.
class Headless {
 public:
  Headless() : platform_(services_), backend_scope_(backend_) {
    if (FontRasterizer() == nullptr) SetFontRasterizer(CreateFreeTypeFontRasterizer());
  }
  THeadlessBackend& Backend() { return backend_; }

  void Click(TForm& form, TControl& control) {
    const TPoint origin = control.OriginInTopLevel();
    backend_.Click(form.Handle()->native.get(), origin.x + control.Width() / 2,
                   origin.y + control.Height() / 2);
  }

 private:
  JuneServices services_;
  TScopedPlatform platform_;
  THeadlessBackend backend_;
  TScopedWindowBackend backend_scope_;
};

void ShowAndPaint(TApplication& application, TForm& form) {
  form.Show();
  application.ProcessMessages();
}

// The peer's form: the program window's size and colour, one button that repaints everything.
TForm* NewPlainForm(TApplication& application) {
  auto* form = new TForm(&application);
  form->SetBounds(0, 0, 466, 334);
  form->SetColor(clWhite);
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(283, 298, 82, 28);
  button->SetCaption("Next >>");
  button->SetOnClick([form](TObject*) { form->Invalidate(); });
  application.SetMainForm(form);
  return form;
}

void BM_StartUpToFirstPaintedPage(benchmark::State& state) {
  Headless headless;
  for (auto _ : state) {
    auto application = std::make_unique<TApplication>();
    TQuickForm* form = StartQuickIntroduction(*application);
    ShowAndPaint(*application, *form);
    benchmark::DoNotOptimize(form->BackBuffer().Handle());
    state.PauseTiming();
    application.reset();
    state.ResumeTiming();
  }
}

void BM_PlainFormStartUpPeer(benchmark::State& state) {
  Headless headless;
  for (auto _ : state) {
    auto application = std::make_unique<TApplication>();
    RegisterControlClasses();
    application->Initialize();
    TForm* form = NewPlainForm(*application);
    ShowAndPaint(*application, *form);
    benchmark::DoNotOptimize(form->BackBuffer().Handle());
    state.PauseTiming();
    application.reset();
    state.ResumeTiming();
  }
}

void BM_NextClickToRepaintedPage(benchmark::State& state) {
  Headless headless;
  TApplication application;
  TQuickForm* form = StartQuickIntroduction(application);
  ShowAndPaint(application, *form);
  for (auto _ : state) {
    headless.Click(*form, *form->NextBtn);
    application.ProcessMessages();
    state.PauseTiming();
    headless.Click(*form, *form->BackBtn);
    application.ProcessMessages();
    state.ResumeTiming();
  }
  if (form->Notebook->PageIndex() != 1) state.SkipWithError("the tour did not go back and forth");
}

void BM_PlainFormRepaintPeer(benchmark::State& state) {
  Headless headless;
  TApplication application;
  application.Initialize();
  TForm* form = NewPlainForm(application);
  ShowAndPaint(application, *form);
  TControl& button = *form->Controls(0);
  for (auto _ : state) {
    headless.Click(*form, button);
    application.ProcessMessages();
  }
}

BENCHMARK(BM_StartUpToFirstPaintedPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainFormStartUpPeer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextClickToRepaintedPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainFormRepaintPeer)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
