// Every frame of the shared corpus's animations that have reference renderings of their frames,
// shown by the animator over a patterned parent: where the reference is opaque the colours must
// match exactly, and where it is transparent the pattern must show through.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "animation/gif_animator.h"
#include "framework/controls/headless_fixture.h"
#include "framework/graphics/bitmap.h"
#include "gif/picture/gif_image.h"
#include "support/golden_picture.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;

TColor PatternAt(int x, int y) {
  return (x / 3 + y / 3) % 2 != 0 ? RGB(1, 2, 3) : RGB(250, 251, 252);
}

// The parent's pattern, painted by a windowless control beneath the animator.
class Pattern : public TGraphicControl {
 public:
  explicit Pattern(TWinControl* parent) : TGraphicControl(nullptr) {
    SetBounds(0, 0, parent->Width(), parent->Height());
    SetParent(parent);
  }

 protected:
  void Paint() override {
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x)
        Canvas().SetPixel(x, y, PatternAt(x, y));
  }
};

// The reference of frame n of a GIF: "<name>-<n>.png", or "<name>.png" for a still picture.
fs::path ReferenceOf(const fs::path& folder, const std::string& name, int frame, int frames) {
  if (frames == 1) return folder / (name + ".png");
  return folder / (name + "-" + std::to_string(frame) + ".png");
}

class GIFAnimatorConformance : public HeadlessTest {
 protected:
  // How the shown frame differs from the reference.
  std::string Differences(const ReferencePng& reference) {
    application_->ProcessMessages();
    TCanvas& shown = form_->BackBuffer().Canvas();
    const ReferencePng drawn = PictureOf(reference.width, reference.height,
                                         [&](int x, int y) { return shown.Pixel(x, y); });
    return PictureDifferences(drawn, reference, PatternAt);
  }

  TForm* form_ = nullptr;
};

TEST_F(GIFAnimatorConformance, ComposedFramesMatchTheirReferenceRenderings) {
  QI_REQUIRE_TESTDATA();
  const fs::path data = qi_test::TestDataDir() / "gif";
  const fs::path references = data / "reference" / "peterdn-frames";
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(data)) {
    const std::string name = entry.path().stem().string();
    if (!name.starts_with("peterdn-")) continue;
    TGIFImage image;
    image.LoadFromFile(entry.path().string());
    form_ = NewForm(image.LogicalWidth(), image.LogicalHeight());
    new Pattern(form_);
    auto* animator = new TGIFAnimator(form_);
    animator->SetParent(form_);
    animator->SetImage(&image);
    form_->Show();
    for (int frame = 0; frame < image.FrameCount(); ++frame) {
      SCOPED_TRACE(name + " frame " + std::to_string(frame));
      const std::optional<ReferencePng> reference =
          ReadReferencePng(ReferenceOf(references, name, frame, image.FrameCount()));
      ASSERT_TRUE(reference.has_value());
      animator->SetFrameIndex(frame);
      EXPECT_EQ(Differences(*reference), "");
      ++compared;
    }
    delete form_;
  }
  EXPECT_GT(compared, 30);
}

}  // namespace
