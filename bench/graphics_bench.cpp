// The drawing the animator repeats several times per tick, on its 467 x 335 32-bit buffers: a
// StretchBlt copy (same size and scaled), and the two-mask transparent copy. Peers in the same run:
// a plain memcpy of the same pixels, and a hand-written keyed copy loop; and each raster path with
// the fast loops switched off, to show what they buy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "framework/graphics/gdi.h"
#include "framework/graphics/masked_stretch_blit.h"

namespace {

constexpr int kWidth = 467;
constexpr int kHeight = 335;

class Surface {
 public:
  Surface(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    bitmap_ = TBitmapObject::Create(width, height, 32);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        bitmap_->SetPixel(x, y, (x + y) % 7 == 0 ? 0xFF00FFu : static_cast<std::uint32_t>(x * y));
    SelectObject(dc_, bitmap_);
  }
  ~Surface() {
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }
  TBitmapObject& bitmap() const { return *bitmap_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
};

void StretchCopy(benchmark::State& state, int sourceWidth, int sourceHeight, bool fast) {
  Surface source(sourceWidth, sourceHeight), target(kWidth, kHeight);
  SetStretchBltMode(target.dc(), COLORONCOLOR);
  SetRasterFastPaths(fast);
  for (auto _ : state) {
    StretchBlt(target.dc(), 0, 0, kWidth, kHeight, source.dc(), 0, 0, sourceWidth, sourceHeight,
               SRCCOPY);
    benchmark::ClobberMemory();
  }
  SetRasterFastPaths(true);
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_StretchBltSameSize(benchmark::State& state) {
  StretchCopy(state, kWidth, kHeight, true);
}
void BM_StretchBltSameSizeGeneric(benchmark::State& state) {
  StretchCopy(state, kWidth, kHeight, false);
}
void BM_StretchBltScaled(benchmark::State& state) {
  StretchCopy(state, 300, 200, true);
}

void BM_MemcpyPeer(benchmark::State& state) {
  Surface source(kWidth, kHeight), target(kWidth, kHeight);
  for (auto _ : state) {
    std::memcpy(target.bitmap().Bits(), source.bitmap().Bits(), source.bitmap().ImageSize());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void MaskedDraw(benchmark::State& state, bool fast) {
  Surface picture(kWidth, kHeight), target(kWidth, kHeight);
  SetRasterFastPaths(fast);
  for (auto _ : state) {
    MaskedStretchBlit(target.dc(), 0, 0, kWidth, kHeight, picture.dc(), 0, 0, kWidth, kHeight,
                      nullptr, clFuchsia);
    benchmark::ClobberMemory();
  }
  SetRasterFastPaths(true);
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void BM_MaskedDraw(benchmark::State& state) {
  MaskedDraw(state, true);
}
void BM_MaskedDrawGeneric(benchmark::State& state) {
  MaskedDraw(state, false);
}

// What a keyed copy costs written directly against the pixels, with nothing shared.
void BM_KeyedLoopPeer(benchmark::State& state) {
  Surface picture(kWidth, kHeight), target(kWidth, kHeight);
  const std::uint32_t key = SwapRedBlue(static_cast<std::uint32_t>(clFuchsia));
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y) {
      const std::uint32_t* from = picture.bitmap().Row32(y);
      std::uint32_t* to = target.bitmap().Row32(y);
      for (int x = 0; x < kWidth; ++x) {
        if ((from[x] & 0xFFFFFF) != key) to[x] = from[x];
      }
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

}  // namespace

BENCHMARK(BM_MemcpyPeer);
BENCHMARK(BM_StretchBltSameSize);
BENCHMARK(BM_StretchBltSameSizeGeneric);
BENCHMARK(BM_StretchBltScaled);
BENCHMARK(BM_KeyedLoopPeer);
BENCHMARK(BM_MaskedDraw);
BENCHMARK(BM_MaskedDrawGeneric);
BENCHMARK_MAIN();
