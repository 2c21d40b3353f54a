// Decoding speed of the GIF codec against giflib on the shared corpus, measured in the same run:
// decoded pixels per second (all frames) per file and over the whole corpus, printed as ratios.
// Then the peak memory of decoding the largest picture, each decoder in a child process.
//
//   gif_decode_bench [--benchmark_min_time=0.2]
//   gif_decode_bench --peak-memory codec|giflib|baseline FILE   (a child of the run above)
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/decode_to_dib.h"
#include "gif/gif_image.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct CorpusFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
  std::int64_t pixels = 0;  // of all frames
};

std::vector<std::uint8_t> ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Decodes every frame with the codec, as a picture would: read, then each frame to a bitmap file
// image. Returns the pixels decoded.
std::int64_t DecodeWithCodec(const std::vector<std::uint8_t>& bytes) {
  TGIFImage image;
  TMemoryStream stream(bytes);
  image.ReadGif(stream.Size(), stream, false);
  std::int64_t pixels = 0;
  TMemoryStream dib;
  for (int i = 0; i < image.FrameCount(); ++i) {
    TGIFFrame& frame = *image.FrameAt(i);
    DecodeToDib(frame, dib);
    pixels += std::int64_t{frame.SharedPixels()->FrameSize().cx} * frame.SharedPixels()->FrameSize().cy;
  }
  return pixels;
}

struct MemoryReader {
  const std::vector<std::uint8_t>* bytes;
  std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count),
                                              reader->bytes->size() - reader->at);
  std::memcpy(buffer, reader->bytes->data() + reader->at, n);
  reader->at += n;
  return static_cast<int>(n);
}

// Decodes every frame with giflib, line by line into one frame buffer. Returns the pixels
// decoded, or -1 when giflib fails.
std::int64_t DecodeWithGiflib(const std::vector<std::uint8_t>& bytes) {
  MemoryReader reader{&bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  if (gif == nullptr) return -1;
  std::vector<GifPixelType> buffer;
  std::int64_t pixels = 0;
  GifRecordType type;
  bool ok = true;
  while (ok && DGifGetRecordType(gif, &type) != GIF_ERROR && type != TERMINATE_RECORD_TYPE) {
    if (type == IMAGE_DESC_RECORD_TYPE) {
      ok = DGifGetImageDesc(gif) != GIF_ERROR;
      const int width = gif->Image.Width;
      const int height = gif->Image.Height;
      buffer.resize(static_cast<std::size_t>(width) * height);
      for (int y = 0; ok && y < height; ++y) {
        ok = DGifGetLine(gif, buffer.data() + static_cast<std::size_t>(y) * width, width) != GIF_ERROR;
      }
      pixels += std::int64_t{width} * height;
    } else if (type == EXTENSION_RECORD_TYPE) {
      int code;
      GifByteType* block;
      ok = DGifGetExtension(gif, &code, &block) != GIF_ERROR;
      while (ok && block != nullptr) ok = DGifGetExtensionNext(gif, &block) != GIF_ERROR;
    }
  }
  ok = ok && type == TERMINATE_RECORD_TYPE;
  DGifCloseFile(gif, &error);
  return ok ? pixels : -1;
}

std::vector<CorpusFile> LoadCorpus() {
  const char* fromEnvironment = std::getenv("QI_TESTDATA_DIR");
  const fs::path dir = fs::path(fromEnvironment ? fromEnvironment : QI_TESTDATA_DIR) / "gif";
  std::vector<CorpusFile> corpus;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error)) {
    if (entry.path().extension() != ".gif") continue;
    CorpusFile file{entry.path().filename().string(), ReadFile(entry.path())};
    // Only files both decoders take whole are timed.
    const std::int64_t theirs = DecodeWithGiflib(file.bytes);
    try {
      file.pixels = DecodeWithCodec(file.bytes);
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

// Seconds per decode of each benchmark, by name.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations == 0) continue;
      seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
    }
  }
  std::map<std::string, double> seconds;
};

void PrintRatios(const std::vector<CorpusFile>& corpus, const std::map<std::string, double>& seconds) {
  std::printf("\n%-58s %12s %12s %12s %7s\n", "file", "pixels", "codec Mpx/s", "giflib Mpx/s",
              "ratio");
  double codecTotal = 0;
  double giflibTotal = 0;
  std::int64_t pixelTotal = 0;
  for (const CorpusFile& file : corpus) {
    const auto codec = seconds.find("codec/" + file.name);
    const auto giflib = seconds.find("giflib/" + file.name);
    if (codec == seconds.end() || giflib == seconds.end()) continue;
    const double pixels = static_cast<double>(file.pixels);
    std::printf("%-58s %12lld %12.1f %12.1f %7.2f\n", file.name.c_str(),
                static_cast<long long>(file.pixels), pixels / codec->second / 1e6,
                pixels / giflib->second / 1e6, giflib->second / codec->second);
    codecTotal += codec->second;
    giflibTotal += giflib->second;
    pixelTotal += file.pixels;
  }
  const double pixels = static_cast<double>(pixelTotal);
  std::printf("%-58s %12lld %12.1f %12.1f %7.2f\n", "whole corpus (one decode of each file)",
              static_cast<long long>(pixelTotal), pixels / codecTotal / 1e6,
              pixels / giflibTotal / 1e6, giflibTotal / codecTotal);
}

// The child's side of a memory measurement: decode the file once and exit.
int MeasureChild(const std::string& decoder, const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  if (decoder == "codec") return DecodeWithCodec(bytes) > 0 ? 0 : 1;
  if (decoder == "giflib") return DecodeWithGiflib(bytes) > 0 ? 0 : 1;
  return 0;  // baseline: the program and the file's bytes alone
}

// Peak resident memory in KiB of a child decoding path with decoder.
long PeakMemoryKiB(const char* self, const char* decoder, const std::string& path) {
  const char* argv[] = {self, "--peak-memory", decoder, path.c_str(), nullptr};
  pid_t child;
  if (posix_spawn(&child, self, nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return -1;
  }
  return usage.ru_maxrss;
}

void PrintPeakMemory(const char* self, const std::vector<CorpusFile>& corpus) {
  const auto largest = std::max_element(corpus.begin(), corpus.end(), [](const auto& a, const auto& b) {
    return a.pixels < b.pixels;
  });
  if (largest == corpus.end()) return;
  const char* fromEnvironment = std::getenv("QI_TESTDATA_DIR");
  const std::string path =
      (fs::path(fromEnvironment ? fromEnvironment : QI_TESTDATA_DIR) / "gif" / largest->name).string();
  const long baseline = PeakMemoryKiB(self, "baseline", path);
  const long codec = PeakMemoryKiB(self, "codec", path);
  const long giflib = PeakMemoryKiB(self, "giflib", path);
  std::printf("\npeak memory decoding %s (%lld pixels), KiB above a process that only read the file:\n",
              largest->name.c_str(), static_cast<long long>(largest->pixels));
  std::printf("  codec %ld, giflib %ld (baseline %ld KiB)\n", codec - baseline, giflib - baseline,
              baseline);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak-memory") == 0) return MeasureChild(argv[2], argv[3]);
  benchmark::Initialize(&argc, argv);
  const std::vector<CorpusFile> corpus = LoadCorpus();
  if (corpus.empty()) {
    std::fprintf(stderr, "no GIF corpus found (set QI_TESTDATA_DIR)\n");
    return 0;
  }
  for (const CorpusFile& file : corpus) {
    benchmark::RegisterBenchmark(("codec/" + file.name).c_str(), [&file](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(DecodeWithCodec(file.bytes));
      state.counters["px/s"] = benchmark::Counter(static_cast<double>(file.pixels),
                                                  benchmark::Counter::kIsIterationInvariantRate);
    });
    benchmark::RegisterBenchmark(("giflib/" + file.name).c_str(), [&file](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(DecodeWithGiflib(file.bytes));
      state.counters["px/s"] = benchmark::Counter(static_cast<double>(file.pixels),
                                                  benchmark::Counter::kIsIterationInvariantRate);
    });
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintRatios(corpus, reporter.seconds);
  PrintPeakMemory(argv[0], corpus);
  benchmark::Shutdown();
  return 0;
}
