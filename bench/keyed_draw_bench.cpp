// The keyed drawing the animator and the GIF pictures use, on the 467 x 335 32-bit picture of the
// wizard's page background: DrawBitmapRectKeyed through canvases, against a plain StretchBlt of the
// same pixels and geometry in the same run, at the same size and stretched from 300 x 200. The
// ratio table then times the two alternately over several rounds and keeps each one's best time,
// so that other work on the machine does not favour either.
//
//   keyed_draw_bench [--benchmark_min_time=0.2] [--benchmark_filter=none]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/draw_bitmap_keyed.h"
#include "framework/graphics/gdi.h"

namespace {

constexpr int kWidth = 467;
constexpr int kHeight = 335;

// A 32-bit bitmap with every seventh diagonal in the key colour.
void Paint(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  TBitmapObject& pixels = *bitmap.Handle();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels.SetPixel(
          x, y, (x + y) % 7 == 0 ? SwapRedBlue(clFuchsia) : static_cast<std::uint32_t>(x * y));
}

struct Scene {
  TBitmap picture;
  TBitmap target;
  int sourceWidth;
  int sourceHeight;

  Scene(int width, int height) : sourceWidth(width), sourceHeight(height) {
    Paint(picture, width, height);
    Paint(target, kWidth, kHeight);
    SetStretchBltMode(target.Canvas().Handle(), COLORONCOLOR);
  }

  void Keyed() {
    DrawBitmapRectKeyed(target.Canvas(), 0, 0, kWidth, kHeight,
                        Rect(0, 0, sourceWidth, sourceHeight), picture, clFuchsia);
  }
  void Plain() {
    StretchBlt(target.Canvas().Handle(), 0, 0, kWidth, kHeight, picture.Canvas().Handle(), 0, 0,
               sourceWidth, sourceHeight, SRCCOPY);
  }
};

// Draws the scene of the benchmark's arguments (source width and height) one way.
void Run(benchmark::State& state, void (Scene::*draw)()) {
  Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    (scene.*draw)();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_KeyedDraw(benchmark::State& state) {
  Run(state, &Scene::Keyed);
}
void BM_StretchBltPeer(benchmark::State& state) {
  Run(state, &Scene::Plain);
}

template <typename Draw>
double SecondsFor(const Draw& draw) {
  const auto start = std::chrono::steady_clock::now();
  draw();
  benchmark::ClobberMemory();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintRatio(const char* what, int sourceWidth, int sourceHeight) {
  constexpr int kRounds = 200;
  Scene scene(sourceWidth, sourceHeight);
  double keyed = 1e9;
  double plain = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    keyed = std::min(keyed, SecondsFor([&] { scene.Keyed(); }));
    plain = std::min(plain, SecondsFor([&] { scene.Plain(); }));
  }
  std::printf("%-34s %10.1f %12.1f %7.2f\n", what, keyed * 1e6, plain * 1e6, keyed / plain);
}

}  // namespace

BENCHMARK(BM_StretchBltPeer)->Args({kWidth, kHeight})->Args({300, 200});
BENCHMARK(BM_KeyedDraw)->Args({kWidth, kHeight})->Args({300, 200});

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("\nbest of 200 alternating rounds, onto %d x %d at 32 bits per pixel\n", kWidth,
              kHeight);
  std::printf("%-34s %10s %12s %7s\n", "source", "keyed us", "StretchBlt us", "ratio");
  PrintRatio("467 x 335, same size", kWidth, kHeight);
  PrintRatio("300 x 200, stretched", 300, 200);
  benchmark::Shutdown();
  return 0;
}
