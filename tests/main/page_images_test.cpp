// Every page as the user sees it, rendered headless and compared with its expected picture in
// tests/main/expected. After a deliberate change of the window's look, write them afresh with
//   QI_WRITE_EXPECTED=1 build/tests/main/qi_main_tests --gtest_filter='PageImages*'
// and look at every one of them before committing.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "animation/gif_animator.h"
#include "quick_form_fixture.h"
#include "support/golden_picture.h"

namespace {

struct PageTour {
  const char* name;
  int month;
  std::vector<int> pages;
};

class PageImagesTest : public QuickFormTest, public ::testing::WithParamInterface<PageTour> {
 protected:
  // Compares what the window shows with the expected picture of that name.
  void ExpectPicture(const std::string& name) {
    ExpectGoldenPicture(PictureOf(Window().Frame()),
                        std::filesystem::path(QI_EXPECTED_DIR) / (name + ".png"));
  }
};

void PrintTo(const PageTour& tour, std::ostream* out) {
  *out << tour.name;
}

std::string PrintPageTour(const ::testing::TestParamInfo<PageTour>& info) {
  return info.param.name;
}

TEST_P(PageImagesTest, EveryPageLooksAsExpected) {
  const PageTour& tour = GetParam();
  Start({"init"}, tour.month, 20);
  for (std::size_t step = 0; step < tour.pages.size(); ++step) {
    ASSERT_EQ(Page(), tour.pages[step]);
    if (Page() == 0) {
      // The seasonal animation runs on its own clock; its first frame makes a stable picture.
      form_->GIFAnimator->SetAnimate(false);
      form_->GIFAnimator->SetFrameIndex(0);
      form_->GIFAnimator->Invalidate();
      ProcessMessages();
    }
    ExpectPicture(std::string(tour.name) + "-page" + std::to_string(Page()));
    if (step + 1 < tour.pages.size()) Click(form_->NextBtn);
  }
}

INSTANTIATE_TEST_SUITE_P(PageImages, PageImagesTest,
                         ::testing::Values(PageTour{"december", 12, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
                                           PageTour{"june", 6, {1, 2, 3, 4, 5, 6, 7, 8}}),
                         PrintPageTour);

}  // namespace
