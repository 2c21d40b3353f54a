#include <gtest/gtest.h>

#include <random>

#include "decode_helpers.h"
#include "error_message.h"
#include "framework/core/exceptions.h"
#include "gif/codec/interlace.h"
#include "giflib_oracle.h"
#include "test_lzw_encoder.h"

namespace {

std::vector<std::uint8_t> RandomPixels(std::size_t count, int colors, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> pixels(count);
  // Runs of repeated pixels give long strings, as real pictures do.
  for (std::size_t i = 0; i < count; ++i) {
    pixels[i] =
        i > 0 && random() % 3 != 0 ? pixels[i - 1] : static_cast<std::uint8_t>(random() % colors);
  }
  return pixels;
}

}  // namespace

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

// A code above the free code defines an entry that refers to itself; the next use of it would
// loop for ever.
std::vector<std::uint8_t> LoopingCodes() {
  return PackCodes(2, {
                          {4, 3},  // clear
                          {1, 3},  // pixel 1
                          {7, 3},  // above the free code 6: taken as it: 1 1; 6 := (1, 1)
                          {7, 3},  // the free code: unassigned entry 7 (0) + 1; 7 := (7, 0)
                          {7, 4},  // entry 7 refers to itself
                      });
}

TEST(LzwDecode, LoopingTableIsCorruptDataInStrictModeAndDamageInTolerantMode) {
  EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(
                [] { DecodeRaw(LoopingCodes(), 4, 2, 2, false, TDamagePolicy::Fail); }),
            "GIF encoded data is corrupt");
  const RawDecode decoded = DecodeRaw(LoopingCodes(), 4, 2, 2);
  EXPECT_TRUE(decoded.corrupt);
  // The pixels before the broken code stay; the rest of the frame is colour 0.
  EXPECT_EQ(decoded.indexes, (std::vector<std::uint8_t>{1, 1, 1, 0, 0, 1, 0, 0}));
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

TEST(LzwDecode, LeadingClearCodeChangesNothing) {
  const auto pixels = RandomPixels(30 * 20, 8, 11);
  EncodeOptions noLeadingClear;
  noLeadingClear.leadingClear = false;
  EXPECT_EQ(DecodeRaw(EncodeLzw(pixels, 3, noLeadingClear), 30, 20, 3).indexes, pixels);
  EXPECT_EQ(DecodeRaw(EncodeLzw(pixels, 3), 30, 20, 3).indexes, pixels);
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
