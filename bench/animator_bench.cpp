// One animator tick as the wizard's December page has it: the 143 x 217 three-frame transparent
// seasonal picture standing over the 467 x 335 two-frame page background, which shows frame 1, on
// a notebook page of a shown window. A tick advances the frame and repaints at once: the window
// paints the area (the background animator composes and renders its whole picture), the seasonal
// animator paints what lies behind it into its buffer (the background once more), composes its
// frame and draws it keyed, and the window presents its buffer. The same for the background alone
// stepping between its two frames. Peer in the same run: one plain 467 x 335 BitBlt.
//
//   animator_bench [--benchmark_min_time=0.2] [--benchmark_filter=none]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "animation/gif_animator.h"
#include "animation/threaded_timer.h"
#include "framework/backends/headless/headless_backend.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/notebook.h"
#include "framework/controls/page.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/gdi.h"
#include "gif/picture/gif_image.h"

namespace {

constexpr int kWidth = 467;
constexpr int kHeight = 335;

std::unique_ptr<TGIFImage> ReadPicture(const std::string& name) {
  std::ifstream in(std::string(QI_PICTURES_DIR) + "/" + name, std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  auto image = std::make_unique<TGIFImage>();
  TMemoryStream stream(std::move(bytes));
  image->LoadFromStream(stream);
  return image;
}

// An animator whose ticks the benchmark gives by hand.
TGIFAnimator* NewAnimator(TWinControl* page, const char* picture, int left, int top) {
  auto* animator = new TGIFAnimator(page);
  animator->SetParent(page);
  animator->SetBounds(left, top, 0, 0);
  animator->SetImage(ReadPicture(picture).get());
  animator->FrameTimer().SetThreaded(false);  // no real timer: the backend's clock stands still
  animator->SetAnimate(true);
  return animator;
}

// A shown window with a notebook page holding the background, and the seasonal picture on it.
class Page {
 public:
  explicit Page(bool withSeasonalPicture) : scope_(backend_) {
    application_.Initialize();
    form_ = new TForm(&application_);
    form_->SetBounds(0, 0, 466, 334);
    form_->SetColor(clWhite);
    auto* notebook = new TNotebook(form_);
    notebook->SetParent(form_);
    notebook->SetBounds(0, 0, 468, 369);
    auto* page = new TPage(form_);
    page->SetParent(notebook);
    background_ = NewAnimator(page, "mainbkg.gif", 0, 0);
    background_->SetFrameIndex(1);
    if (withSeasonalPicture) seasonal_ = NewAnimator(page, "gifanimator.gif", 309, 63);
    form_->Show();
    application_.ProcessMessages();
  }

  void Tick() {
    TGIFAnimator* ticking = seasonal_ != nullptr ? seasonal_ : background_;
    ticking->FrameTimer().Tick();
  }

 private:
  THeadlessBackend backend_;
  TScopedWindowBackend scope_;
  TApplication application_;
  TForm* form_ = nullptr;
  TGIFAnimator* background_ = nullptr;
  TGIFAnimator* seasonal_ = nullptr;
};

// Two 467 x 335 32-bit surfaces for the peer.
class PlainCopy {
 public:
  PlainCopy() {
    for (TBitmap* bitmap : {&source_, &target_}) {
      bitmap->SetPixelFormat(TPixelFormat::pf32bit);
      bitmap->SetSize(kWidth, kHeight);
    }
    source_.Canvas().Brush().SetColor(clTeal);
    source_.Canvas().FillRect(Rect(0, 0, kWidth, kHeight));
  }
  void Copy() {
    BitBlt(target_.Canvas().Handle(), 0, 0, kWidth, kHeight, source_.Canvas().Handle(), 0, 0,
           SRCCOPY);
  }

 private:
  TBitmap source_;
  TBitmap target_;
};

void BM_DecemberPageTick(benchmark::State& state) {
  Page page(true);
  for (auto _ : state)
    page.Tick();
}

void BM_BackgroundTick(benchmark::State& state) {
  Page page(false);
  for (auto _ : state)
    page.Tick();
}

void BM_BitBltPeer(benchmark::State& state) {
  PlainCopy copy;
  for (auto _ : state) {
    copy.Copy();
    benchmark::ClobberMemory();
  }
}

template <typename Work>
double SecondsFor(const Work& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  benchmark::ClobberMemory();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times a tick and the peer alternately and keeps each one's best, so that other work on the
// machine does not favour either.
void PrintRatio(const char* what, bool withSeasonalPicture) {
  constexpr int kRounds = 200;
  Page page(withSeasonalPicture);
  PlainCopy copy;
  double tick = 1e9;
  double peer = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    tick = std::min(tick, SecondsFor([&] { page.Tick(); }));
    peer = std::min(peer, SecondsFor([&] { copy.Copy(); }));
  }
  std::printf("%-34s %10.1f %12.1f %7.2f\n", what, tick * 1e6, peer * 1e6, tick / peer);
}

}  // namespace

BENCHMARK(BM_BitBltPeer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BackgroundTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecemberPageTick)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("\nbest of 200 alternating rounds; peer: one %d x %d 32-bit BitBlt\n", kWidth,
              kHeight);
  std::printf("%-34s %10s %12s %7s\n", "tick", "tick us", "BitBlt us", "ratio");
  PrintRatio("December page (picture over bkg)", true);
  PrintRatio("background alone", false);
  benchmark::Shutdown();
  return 0;
}
