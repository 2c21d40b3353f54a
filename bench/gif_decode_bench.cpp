// Decoding speed of the GIF codec against giflib on the shared corpus, measured in the same run:
// decoded pixels per second (all frames), per file and over the whole corpus. Each file is a
// benchmark for each decoder; the ratio table then times the two decoders alternately, file by
// file over several rounds, and keeps each one's best time, so that other work on the machine
// does not favour either. Last, the peak memory of decoding the largest picture, each decoder
// in a child process of its own.
//
//   gif_decode_bench [--benchmark_min_time=0.2] [--benchmark_filter=none]
//   gif_decode_bench --peak-memory codec|giflib|baseline FILE   (a child of the run above)
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/picture/gif_image.h"

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
    pixels +=
        std::int64_t{frame.SharedPixels()->FrameSize().cx} * frame.SharedPixels()->FrameSize().cy;
  }
  return pixels;
}

struct MemoryReader {
  const std::vector<std::uint8_t>* bytes;
  std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(count), reader->bytes->size() - reader->at);
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
        ok = DGifGetLine(gif, buffer.data() + static_cast<std::size_t>(y) * width, width) !=
             GIF_ERROR;
      }
      pixels += std::int64_t{width} * height;
    } else if (type == EXTENSION_RECORD_TYPE) {
      int code;
      GifByteType* block;
      ok = DGifGetExtension(gif, &code, &block) != GIF_ERROR;
      while (ok && block != nullptr)
        ok = DGifGetExtensionNext(gif, &block) != GIF_ERROR;
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

template <typename Decode>
double SecondsFor(const Decode& decode) {
  const auto start = std::chrono::steady_clock::now();
  benchmark::DoNotOptimize(decode());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintRatios(const std::vector<CorpusFile>& corpus) {
  constexpr int kRounds = 15;
  std::vector<double> codec(corpus.size(), 1e9);
  std::vector<double> giflib(corpus.size(), 1e9);
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t i = 0; i < corpus.size(); ++i) {
      const auto& bytes = corpus[i].bytes;
      codec[i] = std::min(codec[i], SecondsFor([&] { return DecodeWithCodec(bytes); }));
      giflib[i] = std::min(giflib[i], SecondsFor([&] { return DecodeWithGiflib(bytes); }));
    }
  }
  std::printf("\nbest of %d alternating rounds\n%-58s %10s %12s %12s %7s\n", kRounds, "file",
              "pixels", "codec Mpx/s", "giflib Mpx/s", "ratio");
  double codecTotal = 0;
  double giflibTotal = 0;
  std::int64_t pixelTotal = 0;
  for (std::size_t i = 0; i < corpus.size(); ++i) {
    const double pixels = static_cast<double>(corpus[i].pixels);
    std::printf("%-58s %10lld %12.1f %12.1f %7.2f\n", corpus[i].name.c_str(),
                static_cast<long long>(corpus[i].pixels), pixels / codec[i] / 1e6,
                pixels / giflib[i] / 1e6, giflib[i] / codec[i]);
    codecTotal += codec[i];
    giflibTotal += giflib[i];
    pixelTotal += corpus[i].pixels;
  }
  const double pixels = static_cast<double>(pixelTotal);
  std::printf("%-58s %10lld %12.1f %12.1f %7.2f\n", "whole corpus (one decode of each file)",
              static_cast<long long>(pixelTotal), pixels / codecTotal / 1e6,
              pixels / giflibTotal / 1e6, giflibTotal / codecTotal);
}

// The child's side of a memory measurement: decode the file once, then print the process's peak
// resident memory (VmHWM, which counts this program only, not the parent it was started from).
int MeasureChild(const std::string& decoder, const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  if (decoder == "codec" && DecodeWithCodec(bytes) <= 0) return 1;
  if (decoder == "giflib" && DecodeWithGiflib(bytes) <= 0) return 1;
  // "baseline": the program and the file's bytes alone.
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:"))
      std::printf("%ld\n", std::strtol(line.c_str() + 6, nullptr, 10));
  }
  return 0;
}

// Peak resident memory in KiB of a child decoding path with decoder.
long PeakMemoryKiB(const char* self, const char* decoder, const std::string& path) {
  int pipe[2];
  if (::pipe(pipe) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipe[0]);
  const char* argv[] = {self, "--peak-memory", decoder, path.c_str(), nullptr};
  pid_t child;
  const int spawned =
      posix_spawn(&child, self, &actions, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe[1]);
  char text[32] = {};
  if (spawned == 0) {
    const ssize_t n = read(pipe[0], text, sizeof text - 1);
    text[n > 0 ? n : 0] = 0;
  }
  close(pipe[0]);
  int status = 0;
  if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return -1;
  }
  return std::strtol(text, nullptr, 10);
}

void PrintPeakMemory(const char* self, const std::vector<CorpusFile>& corpus) {
  const auto largest =
      std::max_element(corpus.begin(), corpus.end(),
                       [](const auto& a, const auto& b) { return a.pixels < b.pixels; });
  if (largest == corpus.end()) return;
  const char* fromEnvironment = std::getenv("QI_TESTDATA_DIR");
  const std::string path =
      (fs::path(fromEnvironment ? fromEnvironment : QI_TESTDATA_DIR) / "gif" / largest->name)
          .string();
  const long baseline = PeakMemoryKiB(self, "baseline", path);
  const long codec = PeakMemoryKiB(self, "codec", path);
  const long giflib = PeakMemoryKiB(self, "giflib", path);
  std::printf(
      "\npeak memory decoding %s (%lld pixels), KiB above a process that only read the file:\n",
      largest->name.c_str(), static_cast<long long>(largest->pixels));
  std::printf("  codec %ld, giflib %ld (baseline %ld KiB)\n", codec - baseline, giflib - baseline,
              baseline);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak-memory") == 0)
    return MeasureChild(argv[2], argv[3]);
  benchmark::Initialize(&argc, argv);
  const std::vector<CorpusFile> corpus = LoadCorpus();
  if (corpus.empty()) {
    std::fprintf(stderr, "no GIF corpus found (set QI_TESTDATA_DIR)\n");
    return 0;
  }
  for (const CorpusFile& file : corpus) {
    benchmark::RegisterBenchmark(("codec/" + file.name).c_str(), [&file](benchmark::State& state) {
      for (auto _ : state)
        benchmark::DoNotOptimize(DecodeWithCodec(file.bytes));
      state.counters["px/s"] = benchmark::Counter(static_cast<double>(file.pixels),
                                                  benchmark::Counter::kIsIterationInvariantRate);
    });
    benchmark::RegisterBenchmark(("giflib/" + file.name).c_str(), [&file](benchmark::State& state) {
      for (auto _ : state)
        benchmark::DoNotOptimize(DecodeWithGiflib(file.bytes));
      state.counters["px/s"] = benchmark::Counter(static_cast<double>(file.pixels),
                                                  benchmark::Counter::kIsIterationInvariantRate);
    });
  }
  benchmark::RunSpecifiedBenchmarks();
  PrintRatios(corpus);
  PrintPeakMemory(argv[0], corpus);
  benchmark::Shutdown();
  return 0;
}
