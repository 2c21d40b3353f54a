#include <gtest/gtest.h>

#include <random>
#include <set>

#include "decode_helpers.h"
#include "dib_pixels.h"
#include "framework/core/exceptions.h"
#include "framework/core/little_endian.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/lzw_encoder.h"
#include "test_lzw_encoder.h"
#include "test_pixels.h"

namespace {

// What LzwEncode makes of width x height indexes (top row first) at bitCount bits per pixel.
std::vector<std::uint8_t> Encode(int width, int height, int bitCount,
                                 const std::vector<std::uint8_t>& indexes, bool interlaced = false,
                                 const TCodecProgress& progress = {}) {
  const std::vector<std::uint8_t> dib = DibOfIndexes(width, height, bitCount, indexes);
  BITMAPINFOHEADER header;
  header.biWidth = width;
  header.biHeight = height;
  header.biBitCount = static_cast<std::uint16_t>(bitCount);
  TMemoryStream out;
  LzwEncode(out, header, interlaced, progress, dib.data() + ReadLittleEndian32(dib, 10));
  return out.Bytes();
}

// 8-bit pixels, none 0, in which no two neighbours repeat an earlier pair: every pixel after the
// first adds a dictionary entry, so the dictionary fills at a known pixel.
std::vector<std::uint8_t> PixelsOfDistinctPairs(std::size_t count) {
  std::mt19937 random(7);
  std::set<std::pair<int, int>> pairs;
  std::vector<std::uint8_t> pixels{1};
  while (pixels.size() < count) {
    const auto next = static_cast<std::uint8_t>(1 + random() % 255);
    if (pairs.insert({pixels.back(), next}).second) pixels.push_back(next);
  }
  return pixels;
}

// The pixel whose entry (code 4094) fills the dictionary of PixelsOfDistinctPairs: entries 258
// on are made by pixels 1 on.
constexpr std::size_t kPixelFillingTheDictionary = 4094 - 257;

}  // namespace

TEST(LzwEncode, EndCodeIsWrittenAtTheWidthDecodersReadIt) {
  struct Case {
    const char* what;
    int bitCount;
    std::vector<std::uint8_t> pixels;
    int minCodeSize;
    std::vector<Code> codes;
  };
  const Case cases[] = {
      {"1 bit: minimum code size 2, 3-bit codes; the decoder's entry 7 widens it to 4 bits",
       1,
       {0, 1, 1},
       2,
       {{4, 3}, {0, 3}, {1, 3}, {1, 3}, {5, 4}}},
      {"the end code at 4 bits would end the data on a byte boundary a decoder reads past",
       1,
       {1, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 0, 0, 1, 1, 1, 1},
       2,
       {{4, 3},
        {1, 3},
        {0, 3},
        {7, 3},
        {0, 4},
        {1, 4},
        {10, 4},
        {7, 4},
        {6, 4},
        {9, 4},
        {10, 4},
        {1, 4},
        {5, 5}}},
      {"4 bits: minimum code size 4",
       4,
       {3, 3, 3, 3, 3},
       4,
       {{16, 5}, {3, 5}, {18, 5}, {18, 5}, {17, 5}}},
      {"8 bits: minimum code size 8",
       8,
       {200, 200, 200},
       8,
       {{256, 9}, {200, 9}, {258, 9}, {257, 9}}},
      {"no pixels: a clear code and the end code", 8, {}, 8, {{256, 9}, {257, 9}}},
  };
  for (const Case& c : cases) {
    const int width = static_cast<int>(c.pixels.size());
    EXPECT_EQ(Encode(width, width > 0 ? 1 : 0, c.bitCount, c.pixels),
              PackCodes(c.minCodeSize, c.codes))
        << c.what;
  }
}

TEST(LzwEncode, RoundTripsThroughTheDecoderInEveryDepth) {
  struct Case {
    int bitCount;
    int width;
    int height;
    bool interlaced;
  };
  const Case cases[] = {
      {1, 1, 1, false},     {1, 33, 7, true},     {4, 5, 3, false},     {4, 31, 17, true},
      {8, 1, 9, true},      {8, 64, 64, false},   {8, 300, 200, false}, {8, 257, 131, true},
      {4, 400, 300, false}, {1, 999, 100, false},
  };
  unsigned seed = 1;
  for (const Case& c : cases) {
    const auto indexes =
        RandomPixels(static_cast<std::size_t>(c.width) * c.height, 1 << c.bitCount, seed++);
    const auto data = Encode(c.width, c.height, c.bitCount, indexes, c.interlaced);
    const RawDecode decoded =
        DecodeRaw(data, c.width, c.height, c.bitCount, c.interlaced, TDamagePolicy::Fail);
    EXPECT_EQ(decoded.indexes, indexes)
        << c.bitCount << " bits, " << c.width << " x " << c.height << (c.interlaced ? " i" : "");
  }
}

TEST(LzwEncode, DictionaryReachingCode4094ClearsAndGoesOn) {
  const auto pixels = PixelsOfDistinctPairs(3 * kPixelFillingTheDictionary);
  const int width = static_cast<int>(pixels.size());
  const auto data = Encode(width, 1, 8, pixels);
  EXPECT_EQ(DecodeRaw(data, width, 1, 8, false, TDamagePolicy::Fail).indexes, pixels);
  // Codes stop growing at 12 bits: every entry made a code, so without clearing the codes would
  // need 13 bits and the data would be longer than 12 bits a pixel.
  EXPECT_LT(data.size(), pixels.size() * 12 / 8);
}

TEST(LzwEncode, DictionaryFillingOnTheLastPixelAddsNoPixel) {
  const auto pixels = PixelsOfDistinctPairs(kPixelFillingTheDictionary + 1);
  const int width = static_cast<int>(pixels.size());
  const auto codes = UnpackCodes(Encode(width, 1, 8, pixels));
  // The last pixel's own code, then the clear code that follows every full dictionary, then the
  // end: no string is left to write.
  const std::vector<int> end(codes.end() - 3, codes.end());
  EXPECT_EQ(end, (std::vector<int>{pixels.back(), 256, 257}));
}

TEST(LzwEncode, ReportsEveryRowBetweenStartingAndEnding) {
  struct Report {
    TProgressStage stage;
    int percent;
    std::string message;
    bool operator==(const Report&) const = default;
  };
  struct Recorder : TObject {
    std::vector<Report> reports;
    int cancelAt = -1;
  };
  const TCodecProgress::Callback record = [](TObject* target, TProgressStage stage,
                                             std::uint8_t percent, const std::string& message) {
    auto& recorder = static_cast<Recorder&>(*target);
    recorder.reports.push_back({stage, percent, message});
    if (static_cast<int>(recorder.reports.size()) == recorder.cancelAt) throw EAbort("cancelled");
  };
  const std::vector<std::uint8_t> pixels(3 * 3, 1);

  Recorder whole;
  Encode(3, 3, 4, pixels, false, {record, &whole});
  EXPECT_EQ(whole.reports, (std::vector<Report>{{StageStarting, 0, ""},
                                                {StageRunning, 33, ""},
                                                {StageRunning, 66, ""},
                                                {StageRunning, 100, ""},
                                                {StageEnding, 100, ""}}));

  Recorder cancelled;
  cancelled.cancelAt = 2;
  EXPECT_THROW(Encode(3, 3, 4, pixels, false, {record, &cancelled}), EAbort);
  EXPECT_EQ(cancelled.reports,
            (std::vector<Report>{
                {StageStarting, 0, ""}, {StageRunning, 33, ""}, {StageEnding, 0, "cancelled"}}));
}
