#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "decode_helpers.h"
#include "error_message.h"
#include "framework/core/exceptions.h"
#include "gif/codec/interlace.h"
#include "giflib_oracle.h"
#include "test_lzw_encoder.h"
#include "test_pixels.h"

TEST(Interlace, ShortImagesVisitEveryRowOnceInGifOrder) {
  for (const int height : {1, 2, 3, 4, 5, 9, 17}) {
    std::vector<int> rows{0};
    int pass = 0;
    for (int row = NextInterlacedRow(0, height, pass); row < height;
         row = NextInterlacedRow(row, height, pass)) {
      rows.push_back(row);
    }
    EXPECT_EQ(rows, GifRowOrder(height, true)) << "height " << height;
  }
}

TEST(LzwDecode, InterlacedFramesOfHeightOneToFivePutEachRowInPlace) {
  for (const int height : {1, 2, 3, 4, 5}) {
    std::vector<std::uint8_t> image;
    for (int y = 0; y < height; ++y)
      image.insert(image.end(), 3, static_cast<std::uint8_t>(y));
    const auto data = EncodeLzw(InFileOrder(image, 3, height, true), 3);
    const RawDecode decoded = DecodeRaw(data, 3, height, 3, true);
    EXPECT_EQ(decoded.indexes, image) << "height " << height;
    EXPECT_FALSE(decoded.corrupt);
  }
}

TEST(LzwDecode, CodeEqualToTheFreeCodeRepeatsTheLastStringAndItsFirstPixel) {
  // Minimum code size 2: clear 4, end 5, first free code 6, codes 3 bits wide.
  const auto data = PackCodes(2, {
                                     {4, 3},  // clear
                                     {1, 3},  // pixel 1
                                     {6, 3},  // 6 is being defined: "1" + "1"
                                     {6, 3},  // now defined: 1 1
                                     {5, 3},  // end (7 is the free code: still 3 bits)
                                 });
  EXPECT_EQ(DecodeRaw(data, 5, 1, 2).indexes, (std::vector<std::uint8_t>{1, 1, 1, 1, 1}));
}

TEST(LzwDecode, FullTableWithoutClearCodeKeepsDecodingAtTwelveBits) {
  const auto pixels = RandomPixels(200 * 150, 4, 7);
  EncodeOptions noClear;
  noClear.clearWhenFull = false;
  const auto data = EncodeLzw(pixels, 2, noClear);
  const RawDecode decoded = DecodeRaw(data, 200, 150, 2);
  EXPECT_EQ(decoded.indexes, pixels);
  EXPECT_FALSE(decoded.corrupt);
}

TEST(LzwDecode, CodeSizeOutsideTwoToNineFails) {
  for (const int size : {0, 1, 10, 12, 255}) {
    const std::vector<std::uint8_t> data{static_cast<std::uint8_t>(size), 1, 0, 0};
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { DecodeRaw(data, 1, 1, 1); }),
              "GIF code size not in range 2 to 9");
  }
}

TEST(LzwDecode, DamageStopsDecodingWhereItIsFound) {
  // Minimum code size 2: clear 4, end 5, first free code 6, codes 3 bits wide; a 4 x 2 frame.
  const struct {
    const char* damage;
    std::vector<Code> codes;
    std::vector<std::uint8_t> kept;  // the pixels decoded before the damage
  } cases[] = {
      {"a code above the next free one", {{4, 3}, {1, 3}, {7, 3}, {5, 3}}, {1}},
      {"a table code right after a clear code", {{4, 3}, {6, 3}, {5, 3}}, {}},
      {"an end code before the last row", {{4, 3}, {1, 3}, {2, 3}, {5, 3}}, {1, 2}},
  };
  for (const auto& [damage, codes, kept] : cases) {
    SCOPED_TRACE(damage);
    const auto data = PackCodes(2, codes);
    const RawDecode decoded = DecodeRaw(data, 4, 2, 2);
    EXPECT_TRUE(decoded.corrupt);
    std::vector<std::uint8_t> expected(8, 0);
    std::copy(kept.begin(), kept.end(), expected.begin());
    EXPECT_EQ(decoded.indexes, expected);
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(
                  [&] { DecodeRaw(data, 4, 2, 2, false, TDamagePolicy::Fail); }),
              "GIF encoded data is corrupt");
  }
}

TEST(LzwDecode, ZeroLengthSubBlocksDoNotEndTheData) {
  const auto pixels = RandomPixels(20 * 10, 4, 17);
  EncodeOptions smallBlocks;
  smallBlocks.blockSize = 7;
  auto data = EncodeLzw(pixels, 2, smallBlocks);
  data.insert(data.begin() + 1 + 8, 0);  // after the first sub-block
  const RawDecode decoded = DecodeRaw(data, 20, 10, 2, false, TDamagePolicy::Fail);
  EXPECT_EQ(decoded.indexes, pixels);
  EXPECT_FALSE(decoded.corrupt);
}

TEST(LzwDecode, DataEndingRightAfterTheLastPixelIsComplete) {
  const auto pixels = RandomPixels(7 * 5, 16, 3);
  EncodeOptions bare;
  bare.endCode = false;
  bare.terminator = false;
  for (const auto damage : {TDamagePolicy::Tolerate, TDamagePolicy::Fail}) {
    const RawDecode decoded = DecodeRaw(EncodeLzw(pixels, 4, bare), 7, 5, 4, false, damage);
    EXPECT_EQ(decoded.indexes, pixels);
    EXPECT_FALSE(decoded.corrupt);
  }
}

TEST(LzwDecode, CodesPastTheLastPixelAreIgnored) {
  // Minimum code size 2: clear 4, end 5; a 2 x 1 frame given four pixels and no end code.
  const auto data = PackCodes(2, {{4, 3}, {1, 3}, {2, 3}, {3, 3}, {3, 3}});
  const RawDecode decoded = DecodeRaw(data, 2, 1, 2, false, TDamagePolicy::Fail);
  EXPECT_EQ(decoded.indexes, (std::vector<std::uint8_t>{1, 2}));
  EXPECT_FALSE(decoded.corrupt);
}

TEST(LzwDecode, DataRunningOutBeforeTheLastRowIsDamageOrAReadError) {
  const auto pixels = RandomPixels(40 * 40, 256, 5);
  EncodeOptions smallBlocks;
  smallBlocks.blockSize = 50;
  auto data = EncodeLzw(pixels, 8, smallBlocks);
  data.resize(1 + 51 * 4);  // the code size byte and four whole sub-blocks

  const RawDecode decoded = DecodeRaw(data, 40, 40, 8);
  EXPECT_TRUE(decoded.corrupt);
  const auto firstRows = static_cast<long>(40 * 2);  // 200 bytes of codes give well over 2 rows
  EXPECT_TRUE(std::equal(pixels.begin(), pixels.begin() + firstRows, decoded.indexes.begin()));
  EXPECT_EQ(decoded.indexes.back(), 0);
  EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(
                [&] { DecodeRaw(data, 40, 40, 8, false, TDamagePolicy::Fail); }),
            "Stream read error");

  data.push_back(50);  // a length byte announcing a sub-block that is not there
  data.push_back(1);
  EXPECT_TRUE(DecodeRaw(data, 40, 40, 8).corrupt);
  EXPECT_EQ(MessageOf<EReadError>([&] { DecodeRaw(data, 40, 40, 8, false, TDamagePolicy::Fail); }),
            "Stream read error");
}

TEST(LzwDecode, LeadingAndRepeatedClearCodesChangeNothing) {
  const auto pixels = RandomPixels(30 * 20, 8, 11);
  EncodeOptions noLeadingClear;
  noLeadingClear.leadingClear = false;
  EXPECT_EQ(DecodeRaw(EncodeLzw(pixels, 3, noLeadingClear), 30, 20, 3).indexes, pixels);
  EXPECT_EQ(DecodeRaw(EncodeLzw(pixels, 3), 30, 20, 3).indexes, pixels);
  // Minimum code size 2: clear 4, end 5. Clear codes twice in a row start the table twice.
  const auto data = PackCodes(2, {{4, 3}, {4, 3}, {1, 3}, {4, 3}, {4, 3}, {2, 3}, {5, 3}});
  const RawDecode decoded = DecodeRaw(data, 2, 1, 2, false, TDamagePolicy::Fail);
  EXPECT_EQ(decoded.indexes, (std::vector<std::uint8_t>{1, 2}));
}

TEST(LzwDecode, LongStringsDecodeWhetherOrNotTheirFirstPlaceIsStillAtHand) {
  // A pattern repeated until its strings are long, then a long run of one colour (pushing those
  // strings' first places out of reach), then the pattern again; then a short pattern, whose long
  // strings lie less than a copy's block back.
  std::vector<std::uint8_t> pixels;
  const auto repeat = [&](const std::vector<std::uint8_t>& pattern, int times) {
    for (int i = 0; i < times; ++i)
      pixels.insert(pixels.end(), pattern.begin(), pattern.end());
  };
  const auto pattern = RandomPixels(61, 16, 23);
  repeat(pattern, 60);
  pixels.insert(pixels.end(), 30000, 15);
  repeat(pattern, 60);
  repeat({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 300);
  const int width = 613;
  pixels.resize(pixels.size() / width * width);
  const int height = static_cast<int>(pixels.size()) / width;
  for (const bool interlaced : {false, true}) {
    const auto stored = EncodeLzw(InFileOrder(pixels, width, height, interlaced), 4);
    EXPECT_EQ(DecodeRaw(stored, width, height, 4, interlaced).indexes, pixels);
  }

  // Minimum code size 2: 1, then strings of 2 to 8 ones (6 to 12, each the string being
  // defined), 2, and 13: the 8 ones and 2, written 9 indexes back.
  const auto data = PackCodes(2, {{4, 3},
                                  {1, 3},
                                  {6, 3},
                                  {7, 3},
                                  {8, 4},
                                  {9, 4},
                                  {10, 4},
                                  {11, 4},
                                  {12, 4},
                                  {2, 4},
                                  {13, 4},
                                  {5, 4}});
  std::vector<std::uint8_t> expected(36, 1);
  expected.push_back(2);
  expected.insert(expected.end(), 8, 1);
  expected.push_back(2);
  EXPECT_EQ(DecodeRaw(data, 46, 1, 2, false, TDamagePolicy::Fail).indexes, expected);
}

TEST(LzwDecode, RootsPastTheColourTableAreMaskedToIt) {
  // Minimum code size 2 (clear 4, end 5) for a table of 2 colours: roots 2 and 3 name none.
  const auto data = PackCodes(2, {{4, 3}, {3, 3}, {2, 3}, {1, 3}, {5, 3}});
  EXPECT_EQ(DecodeRaw(data, 3, 1, 1, false, TDamagePolicy::Fail).indexes,
            (std::vector<std::uint8_t>{1, 0, 1}));
}

TEST(LzwDecode, CodeSizeBelowTheColourTableDepthStillNamesTableEntries) {
  // A 256-colour frame whose pixels need only 2 bits, coded with minimum code size 2: codes 6
  // and up are table entries, not colours.
  const auto pixels = RandomPixels(50 * 10, 4, 13);
  EXPECT_EQ(DecodeRaw(EncodeLzw(pixels, 2), 50, 10, 8).indexes, pixels);
}

TEST(LzwDecode, RoundTripsAcrossCodeSizesShapesAndBothDecodingPaths) {
  const TCodecProgress silentProgress(
      [](TObject*, TProgressStage, std::uint8_t, const std::string&) {}, nullptr);
  unsigned seed = 1;
  for (int frameBits = 1; frameBits <= 8; ++frameBits) {
    const int minCodeSize = std::max(frameBits, 2);
    for (const auto& [width, height] : {std::pair{1, 1}, {3, 5}, {17, 9}, {64, 33}, {301, 7}}) {
      for (const bool interlaced : {false, true}) {
        const auto pixels =
            RandomPixels(static_cast<std::size_t>(width * height), 1 << frameBits, ++seed);
        const auto data = EncodeLzw(InFileOrder(pixels, width, height, interlaced), minCodeSize);
        const RawDecode fast = DecodeRaw(data, width, height, frameBits, interlaced);
        const RawDecode walked = DecodeRaw(data, width, height, frameBits, interlaced,
                                           TDamagePolicy::Tolerate, silentProgress);
        EXPECT_EQ(fast.indexes, pixels) << frameBits << " bits " << width << "x" << height;
        EXPECT_EQ(walked.indexes, pixels) << frameBits << " bits " << width << "x" << height;
      }
    }
  }
}

namespace {

// Records the reports a decoder makes, and raises at the stage given, if any.
class TProgressRecorder : public TObject {
 public:
  using Report = std::pair<TProgressStage, int>;
  explicit TProgressRecorder(std::optional<TProgressStage> raiseAt = std::nullopt)
      : raiseAt_(raiseAt) {}

  TCodecProgress Progress() { return {Record, this}; }
  std::vector<Report> reports;
  std::string endMessage;

 private:
  static void Record(TObject* target, TProgressStage stage, std::uint8_t percent,
                     const std::string& message) {
    auto& recorder = *static_cast<TProgressRecorder*>(target);
    recorder.reports.emplace_back(stage, percent);
    if (stage == StageEnding) recorder.endMessage = message;
    if (stage == recorder.raiseAt_) throw EAbort("cancelled");
  }

  std::optional<TProgressStage> raiseAt_;
};

}  // namespace

TEST(LzwDecode, ProgressCountsWhatAReaderFetchingSubBlocksWhenNeededHasRead) {
  // Minimum code size 2; a 4 x 1 frame of colour 1: clear, 1, 6 (1 1), 1, end, the end code
  // 4 bits wide. One byte per sub-block: 2, 1, byte, 1, byte, 0.
  EncodeOptions oneByteBlocks;
  oneByteBlocks.blockSize = 1;
  const auto data = PackCodes(2, {{4, 3}, {1, 3}, {6, 3}, {1, 3}, {5, 4}}, oneByteBlocks);
  ASSERT_EQ(data.size(), 6u);
  TProgressRecorder recorder;
  EXPECT_EQ(DecodeRaw(data, 4, 1, 2, false, TDamagePolicy::Fail, recorder.Progress()).indexes,
            (std::vector<std::uint8_t>{1, 1, 1, 1}));
  // The first code and the one after the clear code are read without a report. Each later code,
  // the end code too, is read when the second sub-block is the last one fetched: 5 of 6 bytes.
  EXPECT_EQ(recorder.reports, (std::vector<TProgressRecorder::Report>{{StageStarting, 0},
                                                                      {StageRunning, 83},
                                                                      {StageRunning, 83},
                                                                      {StageRunning, 83},
                                                                      {StageEnding, 100}}));

  // A handler that raises at the start still hears of the end, with the error's message.
  TProgressRecorder cancelling(StageStarting);
  EXPECT_THROW(DecodeRaw(data, 4, 1, 2, false, TDamagePolicy::Fail, cancelling.Progress()), EAbort);
  EXPECT_EQ(cancelling.reports,
            (std::vector<TProgressRecorder::Report>{{StageStarting, 0}, {StageEnding, 0}}));
  EXPECT_EQ(cancelling.endMessage, "cancelled");
}

namespace {

struct Outcome {
  std::vector<std::uint8_t> indexes;
  bool corrupt = false;
  std::string error;
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
  *out << (outcome.corrupt ? "corrupt " : "") << outcome.error << " pixels";
  for (const int index : outcome.indexes)
    *out << ' ' << index;
}

Outcome Attempt(const std::vector<std::uint8_t>& data, int width, int height, int bits,
                TDamagePolicy damage, const TCodecProgress& progress) {
  Outcome outcome;
  try {
    const RawDecode decoded = DecodeRaw(data, width, height, bits, false, damage, progress);
    outcome.indexes = decoded.indexes;
    outcome.corrupt = decoded.corrupt;
  } catch (const Exception& error) {
    outcome.error = std::string(error.ClassName()) + ": " + error.Message();
  }
  return outcome;
}

}  // namespace

TEST(LzwDecode, BothDecodingPathsAgreeOnDamagedData) {
  const TCodecProgress silentProgress(
      [](TObject*, TProgressStage, std::uint8_t, const std::string&) {}, nullptr);
  std::mt19937 random(99);
  int damaged = 0;
  for (int round = 0; round < 400; ++round) {
    const int bits = 1 + static_cast<int>(random() % 8);
    const int width = 1 + static_cast<int>(random() % 40);
    const int height = 1 + static_cast<int>(random() % 20);
    auto data = EncodeLzw(RandomPixels(static_cast<std::size_t>(width * height), 1 << bits,
                                       static_cast<unsigned>(random())),
                          std::max(bits, 2));
    // Overwrite a few bytes of the codes, and sometimes cut the data short.
    for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips) {
      data[1 + random() % (data.size() - 1)] = static_cast<std::uint8_t>(random());
    }
    if (random() % 4 == 0) data.resize(1 + random() % data.size());
    for (const auto damage : {TDamagePolicy::Tolerate, TDamagePolicy::Fail}) {
      const Outcome fast = Attempt(data, width, height, bits, damage, {});
      const Outcome walked = Attempt(data, width, height, bits, damage, silentProgress);
      EXPECT_EQ(fast, walked) << "round " << round
                              << (damage == TDamagePolicy::Tolerate ? " tolerant" : " strict");
      damaged += fast.corrupt || !fast.error.empty();
    }
  }
  EXPECT_GT(damaged, 100);  // the damage did reach the decoder's checks
}
