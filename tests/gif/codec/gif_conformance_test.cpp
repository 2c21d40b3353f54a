// Every GIF of the shared corpus, decoded by this codec and by giflib (and against the expected
// indexes kept beside some files): frames must agree wherever giflib decodes them, and files
// giflib rejects must load or fail with the codec's own messages.
#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <iostream>
#include <set>
#include <sstream>

#include "decode_helpers.h"
#include "dib_pixels.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "gif/codec/decode_to_dib.h"
#include "gif/codec/gif_image_model.h"
#include "giflib_oracle.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;

struct OurFrame {
  std::vector<std::uint8_t> indexes;
  int width = 0;
  int height = 0;
  int pixelMask = 0;
  bool corrupted = false;
  std::string error;
};

struct OurImage {
  std::string loadError;
  std::vector<OurFrame> frames;
};

// An image whose progress someone observes (and ignores), so that its frames decode on the path
// that reports progress.
class TObservedImage : public TGIFImageModel {
 public:
  explicit TObservedImage(bool observed) : observed_(observed) {}
  TCodecProgress CodecProgress() override {
    if (!observed_) return {};
    return {[](TObject*, TProgressStage, std::uint8_t, const std::string&) {}, nullptr};
  }

 private:
  bool observed_;
};

OurImage DecodeWithCodec(const fs::path& file, bool observeProgress) {
  OurImage result;
  TObservedImage image(observeProgress);
  try {
    TMemoryStream stream;
    stream.LoadFromFile(file.string());
    image.ReadGifContent(stream.Size(), stream);
  } catch (const Exception& error) {
    result.loadError = error.Message();
  }
  for (int i = 0; i < image.FrameCount(); ++i) {
    TGIFFrameModel& frame = *image.FrameAt(i);
    OurFrame& ours = result.frames.emplace_back();
    ours.pixelMask = (1 << frame.SharedPixels()->FrameBits()) - 1;
    try {
      TMemoryStream dib;
      DecodeToDib(frame, dib);
      const DibPixels pixels = ReadDibPixels(dib);
      ours.indexes = pixels.indexes;
      ours.width = pixels.width;
      ours.height = pixels.height;
    } catch (const Exception& error) {
      ours.error = error.Message();
    }
    ours.corrupted = frame.Corrupted();
  }
  return result;
}

// Rows giflib decoded that differ from ours (giflib's indexes taken to the table's size).
int DifferingRows(const OurFrame& ours, const GiflibFrame& theirs) {
  if (ours.width != theirs.width || ours.height != theirs.height) return theirs.height;
  const std::vector<int> order = GifRowOrder(theirs.height, theirs.interlaced);
  int differing = 0;
  for (int i = 0; i < theirs.rowsDecoded; ++i) {
    const auto start = static_cast<std::size_t>(order[static_cast<std::size_t>(i)]) * theirs.width;
    for (std::size_t x = 0; x < static_cast<std::size_t>(theirs.width); ++x) {
      if (ours.indexes[start + x] != (theirs.indexes[start + x] & ours.pixelMask)) {
        ++differing;
        break;
      }
    }
  }
  return differing;
}

std::vector<std::uint8_t> ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Expected frame indexes kept beside the corpus, by file name and frame.
std::vector<std::pair<int, fs::path>> ReferenceIndexes(const fs::path& dir,
                                                       const std::string& name) {
  const fs::path reference = dir / "reference" / "wuffs";
  std::vector<std::pair<int, fs::path>> found;
  const std::string stem = fs::path(name).stem().string();
  const std::string base = stem.starts_with("wuffs-") ? stem.substr(6) : stem;
  if (fs::exists(reference / (base + ".indexes")))
    found.emplace_back(0, reference / (base + ".indexes"));
  for (int frame = 0; frame < 1000; ++frame) {
    std::ostringstream file;
    file << base << "-frame-" << std::setw(3) << std::setfill('0') << frame << ".indexes";
    if (!fs::exists(reference / file.str())) break;
    found.emplace_back(frame, reference / file.str());
  }
  return found;
}

bool IsCodecMessage(const std::string& message) {
  static const std::set<std::string> known{
      "Unknown GIF version", "Wrong number of colors; must be a power of 2",
      "GIF code size not in range 2 to 9", "GIF encoded data is corrupt", "Stream read error"};
  return known.contains(message) || message.starts_with("Unrecognized extension block: ") ||
         message.starts_with("GIF image too large: ");
}

}  // namespace

TEST(GifConformance, CorpusAgreesWithGiflibAndTheReferenceIndexes) {
  QI_REQUIRE_TESTDATA();
  const fs::path dir = qi_test::TestDataDir() / "gif";
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ".gif") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty());

  std::ostringstream table;
  table << "file | frames ours/giflib | giflib | ours | rows differing | reference\n";
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const OurImage ours = DecodeWithCodec(file, false);
    const GiflibImage theirs = DecodeWithGiflib(file);

    int differing = 0;
    std::string ourOutcome = ours.loadError.empty() ? "ok" : ours.loadError;
    for (const OurFrame& frame : ours.frames) {
      if (!frame.error.empty()) ourOutcome = "frame: " + frame.error;
      if (frame.corrupted && ourOutcome == "ok") ourOutcome = "corrupted frame";
      if (!frame.error.empty()) {
        EXPECT_TRUE(IsCodecMessage(frame.error)) << frame.error;
      }
    }
    if (!ours.loadError.empty()) {
      EXPECT_TRUE(IsCodecMessage(ours.loadError)) << ours.loadError;
    }
    const std::size_t common = std::min(ours.frames.size(), theirs.frames.size());
    for (std::size_t i = 0; i < common; ++i) {
      if (ours.frames[i].error.empty())
        differing += DifferingRows(ours.frames[i], theirs.frames[i]);
    }
    if (theirs.complete) {
      EXPECT_EQ(ours.frames.size(), theirs.frames.size());
      EXPECT_EQ(differing, 0);
    }

    std::string referenceOutcome = "-";
    for (const auto& [frame, path] :
         ReferenceIndexes(qi_test::TestDataDir() / "gif", file.filename().string())) {
      ASSERT_LT(static_cast<std::size_t>(frame), ours.frames.size());
      EXPECT_EQ(ours.frames[static_cast<std::size_t>(frame)].indexes, ReadFile(path)) << path;
      referenceOutcome = "checked";
    }

    // Reporting progress takes the other decoding path; it must give the very same frames.
    const OurImage observed = DecodeWithCodec(file, true);
    ASSERT_EQ(observed.frames.size(), ours.frames.size());
    for (std::size_t i = 0; i < ours.frames.size(); ++i) {
      EXPECT_EQ(observed.frames[i].indexes, ours.frames[i].indexes) << "frame " << i;
      EXPECT_EQ(observed.frames[i].corrupted, ours.frames[i].corrupted) << "frame " << i;
      EXPECT_EQ(observed.frames[i].error, ours.frames[i].error) << "frame " << i;
    }

    table << file.filename().string() << " | " << ours.frames.size() << "/" << theirs.frames.size()
          << " | "
          << (!theirs.opened    ? "rejected"
              : theirs.complete ? "ok"
                                : "error")
          << " | " << ourOutcome << " | " << differing << " | " << referenceOutcome << "\n";
  }
  std::cout << table.str();
}

TEST(GifConformance, DamagedCorpusFilesAreReportedCorrupted) {
  QI_REQUIRE_TESTDATA();
  const fs::path dir = qi_test::TestDataDir() / "gif";
  const std::set<std::string> damaged{"wuffs-artificial-pixel-data-none.gif",
                                      "wuffs-artificial-pixel-data-not-enough.gif",
                                      "synth-gif87a-800x600-corrupt-middle.gif"};
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".gif") continue;
    const OurImage ours = DecodeWithCodec(entry.path(), false);
    const bool corrupted = std::any_of(ours.frames.begin(), ours.frames.end(),
                                       [](const OurFrame& frame) { return frame.corrupted; });
    if (damaged.contains(name)) {
      EXPECT_TRUE(corrupted) << name;
    } else if (DecodeWithGiflib(entry.path()).complete) {
      EXPECT_FALSE(corrupted) << name << ": whole for giflib";
    }
  }
}

TEST(GifConformance, ReferenceCodeStreamsDecodeToTheirExpectedBytes) {
  QI_REQUIRE_TESTDATA();
  const fs::path reference = qi_test::TestDataDir() / "gif" / "reference" / "wuffs";
  for (const std::string name : {"pi.txt", "bricks-dither.indexes", "bricks-nodither.indexes"}) {
    SCOPED_TRACE(name);
    const auto codes = ReadFile(reference / (name + ".giflzw"));
    const auto expected = ReadFile(reference / name);
    ASSERT_FALSE(codes.empty());
    // The reference keeps the codes without sub-block framing: frame them again.
    std::vector<std::uint8_t> data{codes[0]};
    for (std::size_t at = 1; at < codes.size(); at += 255) {
      const std::size_t n = std::min<std::size_t>(255, codes.size() - at);
      data.push_back(static_cast<std::uint8_t>(n));
      data.insert(data.end(), codes.begin() + static_cast<long>(at),
                  codes.begin() + static_cast<long>(at + n));
    }
    data.push_back(0);
    // Rows of 1000 pixels; the last one is only partly covered by the expected bytes.
    const int rows = static_cast<int>((expected.size() + 999) / 1000);
    RawDecode decoded = DecodeRaw(data, 1000, rows, 8);
    decoded.indexes.resize(expected.size());
    EXPECT_EQ(decoded.indexes, expected);
  }
}
