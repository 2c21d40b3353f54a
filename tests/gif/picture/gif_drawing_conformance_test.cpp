// Frame 0 of every shared-corpus GIF that has a reference rendering of its frames (the other PNGs
// of the corpus are the unquantised originals, not renderings), drawn keyed onto a patterned
// bitmap: where the reference is opaque the colours must match exactly, and where it is
// transparent the pattern must show through.
#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "gif/picture/gif_image.h"
#include "support/golden_picture.h"
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
    const ReferencePng drawn = PictureOf(reference->width, reference->height,
                                         [&](int x, int y) { return target.Canvas().Pixel(x, y); });
    EXPECT_EQ(PictureDifferences(drawn, *reference, PatternAt), "");
  }
}
