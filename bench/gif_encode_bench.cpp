// Encoding speed and output size of the GIF writer against giflib, measured in the same run:
// - LzwEncode of one 8-bit picture (the decoded frame of synth-plasma-2000x1500-256c-dither.gif)
//   against giflib's EGifPutLine encoding the same indexes, row by row;
// - WriteGif of the 100 frames of synth-anim-100f-320x240-localtables.gif after a round trip
//   through bitmaps (every frame encoded again from its decoded bitmap, as pictures made from
//   bitmaps are), against giflib writing the same frames with the same blocks.
// Each case is a Google benchmark for each encoder; the ratio table then times the two encoders
// alternately over several rounds and keeps each one's best time, so that other work on the
// machine does not favour either (processor time, not time on the clock), and compares the sizes
// of what they wrote.
//
//   gif_encode_bench [--benchmark_min_time=0.2] [--benchmark_filter=none]
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/bitmap.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/lzw_encoder.h"
#include "gif/picture/gif_image.h"
#include "processor_time.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path CorpusFile(const char* name) {
  const char* fromEnvironment = std::getenv("QI_TESTDATA_DIR");
  return fs::path(fromEnvironment ? fromEnvironment : QI_TESTDATA_DIR) / "gif" / name;
}

// One frame as both encoders take it: a bitmap file image for ours, rows of indexes (top row
// first) and a colour map for giflib, and the fields of the frame.
struct Frame {
  Bytes dib;
  int width = 0;
  int height = 0;
  int bits = 0;
  Bytes indexes;
  std::vector<GifColorType> colors;
  TPoint origin;
  std::uint16_t delayMs = 0;
  std::uint8_t disposal = 0;
  int transparentIndex = -1;
};

Frame FrameOf(TGIFFrame& gifFrame) {
  Frame frame;
  TMemoryStream dib;
  DecodeToDib(gifFrame, dib);
  frame.dib = dib.Bytes();
  const Bytes& bytes = frame.dib;
  frame.width = static_cast<int>(ReadLittleEndian32(bytes, 18));
  frame.height = static_cast<int>(ReadLittleEndian32(bytes, 22));
  frame.bits = ReadLittleEndian16(bytes, 28);
  for (int i = 0; i < 1 << frame.bits; ++i) {
    const std::uint8_t* quad = bytes.data() + 54 + 4 * i;
    frame.colors.push_back({quad[2], quad[1], quad[0]});
  }
  const std::size_t rowBytes = (static_cast<std::size_t>(frame.width) * frame.bits + 31) / 32 * 4;
  const std::uint8_t* pixels = bytes.data() + ReadLittleEndian32(bytes, 10);
  for (int y = 0; y < frame.height; ++y) {
    const std::uint8_t* row = pixels + rowBytes * static_cast<std::size_t>(frame.height - 1 - y);
    for (int x = 0; x < frame.width; ++x) {
      const int perByte = 8 / frame.bits;
      const int shift = 8 - frame.bits * (x % perByte + 1);
      frame.indexes.push_back(
          static_cast<std::uint8_t>(row[x / perByte] >> shift & ((1 << frame.bits) - 1)));
    }
  }
  frame.origin = gifFrame.Origin();
  frame.delayMs = gifFrame.DelayMs();
  frame.disposal = gifFrame.Disposal();
  frame.transparentIndex = gifFrame.TransparentIndex();
  return frame;
}

int AppendToBytes(GifFileType* gif, const GifByteType* data, int count) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + count);
  return count;
}

// giflib's colour maps hold a power of two of colours, at least 2.
std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> ColorMap(const Frame& frame) {
  return {GifMakeMapObject(static_cast<int>(frame.colors.size()), frame.colors.data()),
          GifFreeMapObject};
}

bool PutFrame(GifFileType* gif, Frame& frame, const ColorMapObject* local) {
  if (EGifPutImageDesc(gif, frame.origin.x, frame.origin.y, frame.width, frame.height, false,
                       local) == GIF_ERROR) {
    return false;
  }
  for (int y = 0; y < frame.height; ++y) {
    if (EGifPutLine(gif, frame.indexes.data() + static_cast<std::size_t>(y) * frame.width,
                    frame.width) == GIF_ERROR) {
      return false;
    }
  }
  return true;
}

// The same blocks WriteGif writes for the frames: the first frame's table global, a looping block,
// a graphic control block before each frame that needs one, local tables for the others.
Bytes WriteWithGiflib(std::span<Frame> frames, int width, int height, bool loop) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendToBytes, &error);
  auto global = ColorMap(frames[0]);
  EGifSetGifVersion(gif, true);
  bool ok = EGifPutScreenDesc(gif, width, height, frames[0].bits, 0, global.get()) != GIF_ERROR;
  if (ok && loop) {
    static const GifByteType kLoop[] = {1, 0, 0};
    ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
         EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") != GIF_ERROR &&
         EGifPutExtensionBlock(gif, 3, kLoop) != GIF_ERROR &&
         EGifPutExtensionTrailer(gif) != GIF_ERROR;
  }
  for (std::size_t i = 0; ok && i < frames.size(); ++i) {
    Frame& frame = frames[i];
    if (frame.delayMs > 0 || frame.disposal != 0 || frame.transparentIndex >= 0) {
      GraphicsControlBlock control{frame.disposal, false, frame.delayMs / 10,
                                   frame.transparentIndex >= 0 ? frame.transparentIndex : -1};
      GifByteType block[4];
      EGifGCBToExtension(&control, block);
      ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block) != GIF_ERROR;
    }
    auto local = ColorMap(frame);
    ok = ok && PutFrame(gif, frame, i == 0 ? nullptr : local.get());
  }
  EGifCloseFile(gif, &error);
  return ok ? out : Bytes{};
}

// The LZW data of one frame as LzwEncode writes it.
Bytes EncodeWithCodec(const Frame& frame) {
  BITMAPINFOHEADER header;
  header.biWidth = frame.width;
  header.biHeight = frame.height;
  header.biBitCount = static_cast<std::uint16_t>(frame.bits);
  TMemoryStream out;
  LzwEncode(out, header, false, {}, frame.dib.data() + ReadLittleEndian32(frame.dib, 10));
  return out.Bytes();
}

// What giflib writes besides the LZW data of a single frame: signature, screen descriptor, the
// global table, image separator and descriptor, trailer.
std::size_t GiflibFrameOverhead(const Frame& frame) {
  return 6 + 7 + 3 * frame.colors.size() + 10 + 1;
}

// A picture of the frames' bitmaps, written: each frame encoded again from its bitmap.
Bytes WriteWithCodec(const std::vector<TBitmap*>& bitmaps, const std::vector<Frame>& frames,
                     bool loop) {
  TGIFImage image;
  for (std::size_t i = 0; i < bitmaps.size(); ++i) {
    image.AppendFrame(bitmaps[i]);
    TGIFFrame& frame = *image.FrameAt(static_cast<int>(i));
    frame.SetOrigin(frames[i].origin);
    frame.SetDelayMs(frames[i].delayMs);
    frame.SetDisposal(frames[i].disposal);
    if (frames[i].transparentIndex >= 0) {
      const GifColorType& rgb =
          frames[i].colors[static_cast<std::size_t>(frames[i].transparentIndex)];
      frame.SetTransparentColor(RGB(rgb.Red, rgb.Green, rgb.Blue));
    }
  }
  image.SetLoopEnabled(loop);
  image.SetLoopCount(0);
  TMemoryStream out;
  image.WriteGif(out, TLengthPrefix::Omitted);
  return out.Bytes();
}

struct Case {
  std::string name;
  std::int64_t pixels = 0;
  std::function<Bytes()> codec;
  std::function<Bytes()> giflib;
  // Bytes of the giflib output that the codec's does not count (its headers, for LzwEncode).
  std::size_t giflibOverhead = 0;
};

void PrintRatios(const std::vector<Case>& cases) {
  constexpr int kRounds = 15;
  std::printf("\nbest of %d alternating rounds\n%-44s %10s %12s %12s %7s %10s %10s %7s\n", kRounds,
              "case", "pixels", "codec Mpx/s", "giflib Mpx/s", "speed", "codec B", "giflib B",
              "size");
  for (const Case& c : cases) {
    double codec = 1e9;
    double giflib = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      codec = std::min(codec, SecondsFor([&] { benchmark::DoNotOptimize(c.codec()); }));
      giflib = std::min(giflib, SecondsFor([&] { benchmark::DoNotOptimize(c.giflib()); }));
    }
    const double ours = static_cast<double>(c.codec().size());
    const double theirs = static_cast<double>(c.giflib().size() - c.giflibOverhead);
    const double pixels = static_cast<double>(c.pixels);
    std::printf("%-44s %10lld %12.1f %12.1f %7.2f %10.0f %10.0f %7.4f\n", c.name.c_str(),
                static_cast<long long>(c.pixels), pixels / codec / 1e6, pixels / giflib / 1e6,
                giflib / codec, ours, theirs, ours / theirs);
  }
  std::printf("speed: giflib's time / the codec's; size: the codec's bytes / giflib's\n");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const fs::path plasmaFile = CorpusFile("synth-plasma-2000x1500-256c-dither.gif");
  const fs::path animationFile = CorpusFile("synth-anim-100f-320x240-localtables.gif");
  if (!fs::exists(plasmaFile) || !fs::exists(animationFile)) {
    std::fprintf(stderr, "no GIF corpus found (set QI_TESTDATA_DIR)\n");
    return 0;
  }

  TGIFImage plasmaImage;
  plasmaImage.LoadFromFile(plasmaFile.string());
  Frame plasma = FrameOf(*plasmaImage.FrameAt(0));

  TGIFImage animation;
  animation.LoadFromFile(animationFile.string());
  std::vector<Frame> frames;
  std::vector<TBitmap*> bitmaps;
  std::int64_t animationPixels = 0;
  for (int i = 0; i < animation.FrameCount(); ++i) {
    frames.push_back(FrameOf(*animation.FrameAt(i)));
    bitmaps.push_back(&animation.FrameAt(i)->DecodedBitmap());
    animationPixels += std::int64_t{frames.back().width} * frames.back().height;
  }
  const int width = animation.LogicalWidth();
  const int height = animation.LogicalHeight();
  const bool loop = animation.LoopEnabled();

  std::vector<Case> cases;
  cases.push_back({"LzwEncode " + plasmaFile.filename().string(),
                   std::int64_t{plasma.width} * plasma.height,
                   [&] { return EncodeWithCodec(plasma); },
                   [&] {
                     return WriteWithGiflib({&plasma, 1}, plasma.width, plasma.height, false);
                   },
                   GiflibFrameOverhead(plasma)});
  cases.push_back({"WriteGif " + animationFile.filename().string(), animationPixels,
                   [&] { return WriteWithCodec(bitmaps, frames, loop); },
                   [&] { return WriteWithGiflib(frames, width, height, loop); }, 0});

  for (const Case& c : cases) {
    for (const auto& [encoder, encode] : {std::pair{"codec/", c.codec}, {"giflib/", c.giflib}}) {
      benchmark::RegisterBenchmark(
          (encoder + c.name).c_str(), [&c, encode](benchmark::State& state) {
            for (auto _ : state)
              benchmark::DoNotOptimize(encode());
            state.counters["px/s"] = benchmark::Counter(
                static_cast<double>(c.pixels), benchmark::Counter::kIsIterationInvariantRate);
          });
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  PrintRatios(cases);
  benchmark::Shutdown();
  return 0;
}
