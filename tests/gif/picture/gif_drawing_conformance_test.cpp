// Frame 0 of every shared-corpus GIF that has a reference rendering of its frames (the other PNGs
// of the corpus are the unquantised originals, not renderings), drawn keyed onto a patterned
// bitmap: where the reference is opaque the colours must match exactly, and where it is
// transparent the pattern must show through.
#include <gtest/gtest.h>

#include <sstream>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "gif/picture/gif_image.h"
#include "support/reference_png.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;

struct Rendering {
  fs::path gif;
  fs::path png;
};

// Each GIF beside its reference of frame 0 (or of the whole picture for a still one).
std::vector<Rendering> Renderings(const fs::path& data) {
  std::vector<Rendering> found;
  for (const auto& entry : fs::directory_iterator(data / "gif" / "reference" / "peterdn-frames")) {
    std::string name = entry.path().stem().string();
    if (name.ends_with("-0")) {
      name.resize(name.size() - 2);
    } else if (name.find("static") == std::string::npos) {
      continue;
    }
    found.push_back({data / "gif" / (name + ".gif"), entry.path()});
  }
  return found;
}

TColor PatternAt(int x, int y) {
  return (x / 3 + y / 3) % 2 != 0 ? RGB(1, 2, 3) : RGB(250, 251, 252);
}

// The pixels that differ from the reference, described.
std::string Differences(TBitmap& target, const ReferencePng& reference) {
  int differing = 0;
  std::ostringstream first;
  for (int y = 0; y < reference.height; ++y) {
    for (int x = 0; x < reference.width; ++x) {
      const std::uint8_t alpha = reference.Alpha(x, y);
      if (alpha != 0 && alpha != 255) continue;  // no partial transparency in a GIF
      const TColor want = alpha == 0 ? PatternAt(x, y) : reference.Color(x, y);
      const TColor got = target.Canvas().Pixel(x, y);
      if (got == want) continue;
      if (differing++ == 0)
        first << " first at " << x << "," << y << std::hex << ": 0x" << got << " instead of 0x"
              << want;
    }
  }
  return differing == 0 ? "" : std::to_string(differing) + " pixels differ," + first.str();
}

}  // namespace

TEST(GifDrawingConformance, FirstFramesMatchTheirReferenceRenderings) {
  QI_REQUIRE_TESTDATA();
  const std::vector<Rendering> renderings = Renderings(qi_test::TestDataDir());
  ASSERT_FALSE(renderings.empty());
  for (const Rendering& rendering : renderings) {
    SCOPED_TRACE(rendering.gif.filename().string());
    const std::optional<ReferencePng> reference = ReadReferencePng(rendering.png);
    ASSERT_TRUE(reference.has_value());
    TGIFImage image;
    image.LoadFromFile(rendering.gif.string());
    ASSERT_EQ(image.LogicalWidth(), reference->width);
    ASSERT_EQ(image.LogicalHeight(), reference->height);
    TBitmap target;
    target.SetSize(reference->width, reference->height);
    for (int y = 0; y < reference->height; ++y)
      for (int x = 0; x < reference->width; ++x)
        target.Canvas().SetPixel(x, y, PatternAt(x, y));
    TGIFFrame& frame = *image.FrameAt(0);
    frame.DrawFrame(
        target.Canvas(),
        Bounds(frame.Origin().x, frame.Origin().y, frame.FrameWidth(), frame.FrameHeight()),
        TFrameTransparency::Keyed);
    EXPECT_EQ(Differences(target, *reference), "");
  }
}
