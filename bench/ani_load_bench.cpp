// Loading animated cursors against gdk-pixbuf, measured in the same run.
//
// The largest corpus file (adwaita-left_ptr_watch.ani: 60 frames of five PNG sizes, 128 down to
// 32) is one gdk-pixbuf's ANI loader refuses ("Compressed icons are not supported"), so its peer
// there is gdk-pixbuf decoding the same 300 PNG images with its PNG loader: the bulk of the work
// of loading that file. The largest file gdk-pixbuf's ANI loader does read (bibata-Oil-progress,
// 45 frames of 32-bit bitmaps, 46 steps) is loaded whole by both.
//
//   ani_load_bench [--benchmark_min_time=0.5]
#include <benchmark/benchmark.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <vector>

#include "cursors/animated_cursor_image.h"
#include "cursors/riff_chunks.h"
#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadFile(const char* name) {
  std::ifstream in(fs::path(QI_TESTDATA_DIR) / "ani" / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every image inside the file's "icon" sub-chunks (found once, outside the timing).
std::vector<std::span<const std::uint8_t>> ImagesOf(std::span<const std::uint8_t> file) {
  std::vector<std::span<const std::uint8_t>> images;
  TRiffReader reader(file);
  reader.Skip(12);
  TChunkHeader chunk;
  std::array<char, 4> type;
  while (reader.ReadChunkHeader(chunk)) {
    if (!chunk.Is("LIST") || !reader.ReadIdentifier(type)) {
      reader.SkipChunkData(chunk);
      continue;
    }
    TChunkHeader icon;
    const std::size_t end = reader.Position() + chunk.size - 4;
    while (reader.Position() < end && reader.ReadChunkHeader(icon)) {
      const auto data = *reader.ReadChunkData(icon);
      for (std::size_t i = 0; i < ReadLittleEndian16(data, 4); ++i) {
        images.push_back(data.subspan(ReadLittleEndian32(data, 6 + 16 * i + 12),
                                      ReadLittleEndian32(data, 6 + 16 * i + 8)));
      }
    }
  }
  return images;
}

void LoadWithReader(benchmark::State& state, const char* name) {
  const std::vector<std::uint8_t> bytes = ReadFile(name);
  if (bytes.empty()) return state.SkipWithError("../shared/testdata/ani not found");
  for (auto _ : state) {
    TMemoryStream stream(bytes);
    TAnimatedCursorImage image;
    image.LoadFromStream(stream);
    benchmark::DoNotOptimize(image.FrameCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

GdkPixbufLoader* Loaded(const char* type, std::span<const std::uint8_t> data) {
  GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type(type, nullptr);
  gdk_pixbuf_loader_write(loader, data.data(), data.size(), nullptr);
  gdk_pixbuf_loader_close(loader, nullptr);
  return loader;
}

void LargestWithReader(benchmark::State& state) {
  LoadWithReader(state, "adwaita-left_ptr_watch.ani");
}

void LargestWithGdkPixbufPng(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = ReadFile("adwaita-left_ptr_watch.ani");
  if (bytes.empty()) return state.SkipWithError("../shared/testdata/ani not found");
  const auto images = ImagesOf(bytes);
  for (auto _ : state) {
    for (const auto image : images) {
      GdkPixbufLoader* loader = Loaded("png", image);
      benchmark::DoNotOptimize(gdk_pixbuf_loader_get_pixbuf(loader));
      g_object_unref(loader);
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
  state.counters["images"] = static_cast<double>(images.size());
}

void BitmapFramesWithReader(benchmark::State& state) {
  LoadWithReader(state, "bibata-Oil-progress.ani");
}

void BitmapFramesWithGdkPixbuf(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = ReadFile("bibata-Oil-progress.ani");
  if (bytes.empty()) return state.SkipWithError("../shared/testdata/ani not found");
  for (auto _ : state) {
    GdkPixbufLoader* loader = Loaded("ani", bytes);
    benchmark::DoNotOptimize(gdk_pixbuf_loader_get_animation(loader));
    g_object_unref(loader);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

}  // namespace

BENCHMARK(LargestWithReader)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestWithGdkPixbufPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BitmapFramesWithReader)->Unit(benchmark::kMillisecond);
BENCHMARK(BitmapFramesWithGdkPixbuf)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
