// Decoding speed and memory of the GIF codec against giflib on the shared corpus, measured in the
// same run: decoded pixels per second (all frames), per file, per kind of file and over the whole
// corpus, for the codec alone (frames into bitmap file images) and for the picture (frames into
// bitmaps, what a user of the picture waits for); then the peak memory of decoding each file.
// Each file is a benchmark for each decoder; the tables then time the decoders alternately, file
// by file over several rounds, and keep each one's best time, so that other work on the machine
// does not favour any of them. Times are the process's processor time, which other processes on a
// busy machine sway far less than the clock on the wall.
//
//   gif_decode_bench [--benchmark_min_time=0.2] [--benchmark_filter=none]
//   gif_decode_bench --peak-memory codec|picture|giflib FILE   (a child of the run above)
//   gif_decode_bench --repeat codec|picture|giflib FILE COUNT   (for a profiler)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/gif_image_model.h"
#include "gif_bench_decoders.h"
#include "peak_memory.h"
#include "processor_time.h"

namespace {

namespace fs = std::filesystem;

// Files of at least this many pixels should decode at least kPerFileGoal times as fast as giflib;
// the whole corpus kAggregateGoal times.
constexpr std::int64_t kLargeFilePixels = 10000;
constexpr double kPerFileGoal = 2.0;
constexpr double kAggregateGoal = 5.6;

struct CorpusFile {
  std::string name;
  std::string kind;  // "1-bit", "4-bit", "8-bit" or "animation"
  std::unique_ptr<TMemoryStream> bytes;
  std::int64_t pixels = 0;  // of all frames
};

fs::path CorpusDir() {
  const char* fromEnvironment = std::getenv("QI_TESTDATA_DIR");
  return fs::path(fromEnvironment ? fromEnvironment : QI_TESTDATA_DIR) / "gif";
}

std::unique_ptr<TMemoryStream> ReadFile(const fs::path& file) {
  auto stream = std::make_unique<TMemoryStream>();
  stream->LoadFromFile(file.string());
  return stream;
}

std::string KindOf(TMemoryStream& bytes) {
  TGIFImageModel image;
  bytes.SetPosition(0);
  image.ReadGifContent(bytes.Size(), bytes);
  if (image.FrameCount() > 1) return "animation";
  const int bits = image.FrameAt(0)->SharedPixels()->FrameBits();
  return bits == 1 ? "1-bit" : bits <= 4 ? "4-bit" : "8-bit";
}

std::vector<CorpusFile> LoadCorpus() {
  std::vector<CorpusFile> corpus;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(CorpusDir(), error)) {
    if (entry.path().extension() != ".gif") continue;
    CorpusFile file{entry.path().filename().string(), "", ReadFile(entry.path())};
    // Only files every decoder takes whole are timed.
    const std::int64_t theirs = DecodeWithGiflib(file.bytes->Bytes());
    try {
      file.pixels = DecodeWithCodec(*file.bytes);
      if (DecodeAsPicture(*file.bytes) != file.pixels) continue;
      file.kind = KindOf(*file.bytes);
    } catch (const Exception&) {
      continue;
    }
    if (theirs != file.pixels || file.pixels == 0) continue;
    corpus.push_back(std::move(file));
  }
  std::sort(corpus.begin(), corpus.end(),
            [](const CorpusFile& a, const CorpusFile& b) { return a.name < b.name; });
  return corpus;
}

const char* const kDecoders[] = {"codec", "picture", "giflib"};

// Best seconds per decoder (in kDecoders' order) and file.
using Timings = std::vector<std::array<double, 3>>;

Timings TimeAlternately(const std::vector<CorpusFile>& corpus) {
  constexpr int kRounds = 15;
  Timings best(corpus.size(), {1e9, 1e9, 1e9});
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t i = 0; i < corpus.size(); ++i) {
      for (std::size_t d = 0; d < 3; ++d) {
        // Each timing follows an untimed decode of the same file by the same decoder, so that
        // none finds the caches warmer or colder than another does.
        const auto decode = [&] { return DecodeWith(kDecoders[d], *corpus[i].bytes); };
        decode();
        best[i][d] = std::min(best[i][d], SecondsFor([&] { benchmark::DoNotOptimize(decode()); }));
      }
    }
  }
  return best;
}

// Decoded pixels per second of each decoder over some files, and the ratios to giflib.
struct Throughput {
  std::int64_t pixels = 0;
  std::array<double, 3> seconds{};

  void Add(std::int64_t filePixels, const std::array<double, 3>& fileSeconds) {
    pixels += filePixels;
    for (std::size_t d = 0; d < 3; ++d)
      seconds[d] += fileSeconds[d];
  }
  double Mpx(std::size_t decoder) const {
    return static_cast<double>(pixels) / seconds[decoder] / 1e6;
  }
  double Ratio(std::size_t decoder) const { return seconds[2] / seconds[decoder]; }
};

void PrintThroughputRow(const std::string& name, const std::string& kind, const Throughput& row,
                        const char* mark) {
  std::printf("%-58s %-9s %10lld %9.1f %9.1f %9.1f %7.2f %7.2f %s\n", name.c_str(), kind.c_str(),
              static_cast<long long>(row.pixels), row.Mpx(0), row.Mpx(1), row.Mpx(2), row.Ratio(0),
              row.Ratio(1), mark);
}

void PrintThroughput(const std::vector<CorpusFile>& corpus, const Timings& best) {
  std::printf(
      "\nbest of 15 alternating rounds; Mpx/s, and ratios to giflib (codec alone, picture)\n"
      "%-58s %-9s %10s %9s %9s %9s %7s %7s\n",
      "file", "kind", "pixels", "codec", "picture", "giflib", "codec", "picture");
  std::map<std::string, Throughput> byKind;
  Throughput whole;
  int belowGoal = 0;
  for (std::size_t i = 0; i < corpus.size(); ++i) {
    Throughput file;
    file.Add(corpus[i].pixels, best[i]);
    const bool large = corpus[i].pixels >= kLargeFilePixels;
    const bool below = large && file.Ratio(0) < kPerFileGoal;
    belowGoal += below;
    PrintThroughputRow(corpus[i].name, corpus[i].kind, file, below ? "< goal" : "");
    byKind[corpus[i].kind].Add(corpus[i].pixels, best[i]);
    whole.Add(corpus[i].pixels, best[i]);
  }
  std::printf("\n");
  for (const auto& [kind, throughput] : byKind)
    PrintThroughputRow("all files of this kind", kind, throughput, "");
  PrintThroughputRow("whole corpus (one decode of each file)", "", whole,
                     whole.Ratio(0) < kAggregateGoal ? "< goal" : "");
  std::printf(
      "goals: whole corpus %.1fx giflib (codec: %.2fx); files of %lld pixels or more "
      "%.1fx each (%d below)\n",
      kAggregateGoal, whole.Ratio(0), static_cast<long long>(kLargeFilePixels), kPerFileGoal,
      belowGoal);
}

// A 1 x 1 GIF, decoded once by each child before it measures, so that what a decoder allocates
// once for good (tables made on first use) is not counted as the memory of a decode.
const std::vector<std::uint8_t> kWarmUpGif{
    'G', 'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0,    0,    0, 255, 255,
    255, 0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x4C, 0x01, 0, 0x3B};

// The child's side of a memory measurement: with the file's bytes in memory, the peak of heap
// memory the decoding adds.
int MeasureChild(const std::string& decoder, const std::string& path) {
  const std::unique_ptr<TMemoryStream> file = ReadFile(path);
  TMemoryStream warmUp(kWarmUpGif);
  if (DecodeWith(decoder, warmUp) != 1) return 1;
  PeakHeapBytesSinceLastCall();
  if (DecodeWith(decoder, *file) <= 0) return 1;
  std::printf("%zu\n", PeakHeapBytesSinceLastCall());
  return 0;
}

void PrintPeakMemory(const char* self, const std::vector<CorpusFile>& corpus) {
  std::printf(
      "\npeak heap memory of decoding each file, bytes above the process holding its "
      "bytes\n%-58s %9s %9s %9s\n",
      "file", "codec", "picture", "giflib");
  int above = 0;
  for (const CorpusFile& file : corpus) {
    const std::string path = (CorpusDir() / file.name).string();
    std::array<long, 3> peak;
    for (std::size_t d = 0; d < 3; ++d)
      peak[d] = NumberFromChild(self, {"--peak-memory", kDecoders[d], path});
    above += peak[0] > peak[2];
    std::printf("%-58s %9ld %9ld %9ld %s\n", file.name.c_str(), peak[0], peak[1], peak[2],
                peak[0] > peak[2] ? "codec above giflib" : "");
  }
  std::printf("files where the codec's peak is above giflib's: %d\n", above);
}

int Repeat(const std::string& decoder, const std::string& path, int count) {
  const std::unique_ptr<TMemoryStream> file = ReadFile(path);
  for (int i = 0; i < count; ++i) {
    if (DecodeWith(decoder, *file) <= 0) return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak-memory") == 0)
    return MeasureChild(argv[2], argv[3]);
  if (argc == 5 && std::strcmp(argv[1], "--repeat") == 0)
    return Repeat(argv[2], argv[3], std::atoi(argv[4]));
  benchmark::Initialize(&argc, argv);
  const std::vector<CorpusFile> corpus = LoadCorpus();
  if (corpus.empty()) {
    std::fprintf(stderr, "no GIF corpus found (set QI_TESTDATA_DIR)\n");
    return 0;
  }
  for (const CorpusFile& file : corpus) {
    for (const char* decoder : kDecoders) {
      benchmark::RegisterBenchmark((std::string(decoder) + "/" + file.name).c_str(),
                                   [&file, decoder](benchmark::State& state) {
                                     for (auto _ : state)
                                       benchmark::DoNotOptimize(DecodeWith(decoder, *file.bytes));
                                     state.counters["px/s"] = benchmark::Counter(
                                         static_cast<double>(file.pixels),
                                         benchmark::Counter::kIsIterationInvariantRate);
                                   });
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  PrintThroughput(corpus, TimeAlternately(corpus));
  PrintPeakMemory(argv[0], corpus);
  benchmark::Shutdown();
  return 0;
}
