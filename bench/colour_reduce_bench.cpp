// Speed, quality and memory of the six colour reduction methods against libimagequant, on one
// 4-megapixel photo, measured in the same run. Every contender starts from the same 24-bit
// bottom-up rows in memory and ends with a 256-entry palette and one 8-bit index per pixel;
// libimagequant's conversion of those rows to the RGBA it takes is part of its time. It runs
// without dithering, once at its fastest speed (10) and once at its default (4), on one thread
// (OMP_NUM_THREADS=1 unless the caller sets it), as our reducers do.
//
// The table times the contenders alternately over several rounds and keeps each one's best
// processor time, so that other work on the machine favours none; then the PSNR of each result
// against the original, and the peak memory each needs above the picture it reduces.
//
//   colour_reduce_bench [--benchmark_filter=none] [picture.bmp]
#include <benchmark/benchmark.h>
#include <libimagequant.h>
#include <malloc.h>
#include <time.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "colour/reduce_pixels.h"
#include "framework/graphics/bmp_codec.h"
#include "processor_time.h"

namespace {

namespace fs = std::filesystem;

// 24-bit rows as the reducers take them.
struct Picture {
  BITMAPINFOHEADER header;
  std::vector<std::uint8_t> rows;
  TReductionRows layout;
};

// A palette and an index per pixel, rows of stride bytes in the picture's row order.
struct Reduced {
  std::vector<RGBQUAD> palette = std::vector<RGBQUAD>(256);
  std::vector<std::uint8_t> indexes;
  std::size_t stride = 0;
};

// One of our methods, or libimagequant at a speed.
struct Contender {
  std::string name;
  std::optional<TReductionMethod> method;
  int liqSpeed = 0;
};

std::vector<std::uint8_t> ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture LoadPicture(const fs::path& file) {
  const TBitmapHandle bitmap = ReadBmp(ReadFile(file));
  BITMAPINFO info{};
  info.bmiHeader.biBitCount = 24;
  GetDIBits(nullptr, bitmap.get(), 0, 0, nullptr, &info, DIB_RGB_COLORS);
  Picture picture{info.bmiHeader, std::vector<std::uint8_t>(info.bmiHeader.biSizeImage), {}};
  GetDIBits(nullptr, bitmap.get(), 0, static_cast<unsigned>(bitmap->Height()), picture.rows.data(),
            &info, DIB_RGB_COLORS);
  picture.layout = TReductionRows::Of(picture.header);
  return picture;
}

void ReduceWithOurs(TReductionMethod method, const Picture& picture, Reduced& out) {
  out.stride = picture.layout.targetStride;
  out.indexes.resize(out.stride * static_cast<std::size_t>(picture.layout.height));
  ReducePixels(method, picture.header, picture.rows.data(), out.indexes.data(),
               TReducedPalette(out.palette.data(), 256));
}

std::vector<std::uint8_t> ToRgba(const Picture& picture) {
  const TReductionRows& layout = picture.layout;
  std::vector<std::uint8_t> rgba(layout.PixelCount() * 4);
  std::uint8_t* to = rgba.data();
  for (int y = 0; y < layout.height; ++y) {
    const std::uint8_t* in = picture.rows.data() + layout.sourceStride * y;
    for (int x = 0; x < layout.width; ++x, in += 3, to += 4) {
      to[0] = in[2];
      to[1] = in[1];
      to[2] = in[0];
      to[3] = 255;
    }
  }
  return rgba;
}

void ReduceWithLibimagequant(int speed, const Picture& picture, Reduced& out) {
  const TReductionRows& layout = picture.layout;
  const std::vector<std::uint8_t> rgba = ToRgba(picture);
  liq_attr* attr = liq_attr_create();
  liq_set_speed(attr, speed);
  liq_image* image = liq_image_create_rgba(attr, rgba.data(), layout.width, layout.height, 0);
  liq_result* result = nullptr;
  if (liq_image_quantize(image, attr, &result) == LIQ_OK) {
    liq_set_dithering_level(result, 0);
    out.stride = static_cast<std::size_t>(layout.width);
    out.indexes.resize(layout.PixelCount());
    liq_write_remapped_image(result, image, out.indexes.data(), out.indexes.size());
    const liq_palette* palette = liq_get_palette(result);
    for (unsigned i = 0; i < palette->count; ++i) {
      const liq_color c = palette->entries[i];
      out.palette[i] = {c.b, c.g, c.r, 0};
    }
    liq_result_destroy(result);
  }
  liq_image_destroy(image);
  liq_attr_destroy(attr);
}

void Reduce(const Contender& contender, const Picture& picture, Reduced& out) {
  if (contender.method) {
    ReduceWithOurs(*contender.method, picture, out);
  } else {
    ReduceWithLibimagequant(contender.liqSpeed, picture, out);
  }
}

const std::vector<Contender>& Contenders() {
  static const std::vector<Contender> contenders = {{"popularity", TReductionMethod::rmPopularity},
                                                    {"median-cut", TReductionMethod::rmMedianCut},
                                                    {"uniform-784", TReductionMethod::rmUniform784},
                                                    {"uniform-666", TReductionMethod::rmUniform666},
                                                    {"triplet", TReductionMethod::rmTriplet},
                                                    {"grayscale", TReductionMethod::rmGrayscale},
                                                    {"libimagequant speed 10", std::nullopt, 10},
                                                    {"libimagequant speed 4", std::nullopt, 4}};
  return contenders;
}

// Rows of the reduced picture are in the picture's own order, so pixels pair up row by row.
double Psnr(const Picture& picture, const Reduced& reduced) {
  const TReductionRows& layout = picture.layout;
  double squares = 0;
  for (int y = 0; y < layout.height; ++y) {
    const std::uint8_t* in = picture.rows.data() + layout.sourceStride * y;
    const std::uint8_t* index = reduced.indexes.data() + reduced.stride * y;
    for (int x = 0; x < layout.width; ++x, in += 3) {
      const RGBQUAD& entry = reduced.palette[index[x]];
      const double b = in[0] - entry.rgbBlue, g = in[1] - entry.rgbGreen, r = in[2] - entry.rgbRed;
      squares += b * b + g * g + r * r;
    }
  }
  const double meanSquare = squares / (3.0 * static_cast<double>(layout.PixelCount()));
  return 10 * std::log10(255.0 * 255.0 / meanSquare);
}

long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(field)) return std::strtol(line.c_str() + std::strlen(field), nullptr, 10);
  }
  return -1;
}

// Resident memory that run adds at its peak, in KiB. Writing 5 to clear_refs restarts the peak
// from the memory resident now.
long PeakExtraKiB(const std::function<void()>& run) {
  std::ofstream("/proc/self/clear_refs") << "5";
  const long before = StatusKiB("VmRSS:");
  run();
  return StatusKiB("VmHWM:") - before;
}

// Our reducers in place, as the conversion to a bitmap file runs them, on a copy of the rows made
// beforehand; libimagequant as timed.
long PeakMemoryKiB(const Contender& contender, const Picture& picture) {
  Picture copy = picture;
  Reduced reduced;
  if (!contender.method) return PeakExtraKiB([&] { Reduce(contender, picture, reduced); });
  return PeakExtraKiB([&] {
    ReducePixels(*contender.method, copy.header, copy.rows.data(), copy.rows.data(),
                 TReducedPalette(reduced.palette.data(), 256));
  });
}

double BestOfLibimagequant(const std::vector<double>& best, int speed) {
  const auto& contenders = Contenders();
  for (std::size_t i = 0; i < contenders.size(); ++i) {
    if (!contenders[i].method && contenders[i].liqSpeed == speed) return best[i];
  }
  return 0;
}

void PrintTable(const Picture& picture) {
  constexpr int kRounds = 5;
  const auto& contenders = Contenders();
  std::vector<double> best(contenders.size(), 1e9);
  std::vector<Reduced> results(contenders.size());
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t i = 0; i < contenders.size(); ++i)
      best[i] = std::min(best[i], SecondsFor([&] { Reduce(contenders[i], picture, results[i]); }));
  }
  const double fastest = BestOfLibimagequant(best, 10);
  const double standard = BestOfLibimagequant(best, 4);
  std::printf("\n%d x %d pixels, processor time, best of %d alternating rounds\n",
              picture.layout.width, picture.layout.height, kRounds);
  std::printf("%-24s %9s %10s %10s %8s %11s\n", "method", "cpu ms", "vs liq 10", "vs liq 4",
              "PSNR dB", "peak KiB");
  for (std::size_t i = 0; i < contenders.size(); ++i) {
    std::printf("%-24s %9.1f %9.2fx %9.2fx %8.2f %11ld\n", contenders[i].name.c_str(),
                best[i] * 1e3, fastest / best[i], standard / best[i], Psnr(picture, results[i]),
                PeakMemoryKiB(contenders[i], picture));
  }
  std::printf(
      "(ratios: libimagequant's time over the method's; above 1 the method is faster;\n"
      " peak: resident memory added above the picture's 24-bit rows)\n");
}

fs::path DefaultPicture() {
  const char* fromEnvironment = std::getenv("QI_TESTDATA_DIR");
  return fs::path(fromEnvironment ? fromEnvironment : QI_TESTDATA_DIR) / "truecolour" /
         "wuffs-harvesters-x2-2330x1718.bmp";
}

}  // namespace

int main(int argc, char** argv) {
  // libimagequant runs on as many threads as OpenMP offers; ours on one.
  setenv("OMP_NUM_THREADS", "1", 0);
  // Every large block straight from and back to the system, so that peak memory is not hidden
  // by blocks an earlier run left to the allocator.
  mallopt(M_MMAP_THRESHOLD, 64 * 1024);
  benchmark::Initialize(&argc, argv);
  const fs::path file = argc > 1 ? fs::path(argv[1]) : DefaultPicture();
  if (!fs::exists(file)) {
    std::fprintf(stderr, "%s not found (set QI_TESTDATA_DIR or name a 24-bit BMP)\n", file.c_str());
    return 0;
  }
  const Picture picture = LoadPicture(file);
  for (const Contender& contender : Contenders()) {
    benchmark::RegisterBenchmark(contender.name.c_str(), [&](benchmark::State& state) {
      Reduced reduced;
      for (auto _ : state)
        Reduce(contender, picture, reduced);
      state.counters["px/s"] = benchmark::Counter(static_cast<double>(picture.layout.PixelCount()),
                                                  benchmark::Counter::kIsIterationInvariantRate);
    });
  }
  benchmark::RunSpecifiedBenchmarks();
  PrintTable(picture);
  benchmark::Shutdown();
  return 0;
}
