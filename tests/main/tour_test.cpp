// The four tours: every step of Next and Back, with the caption, the buttons and where the shared
// background lies.
#include <string>
#include <vector>

#include "animation/gif_animator.h"
#include "framework/controls/page.h"
#include "framework/platform/input_event.h"
#include "quick_form_fixture.h"

namespace {

struct Tour {
  const char* name;
  std::vector<std::string> arguments;
  int month;
  std::vector<int> pages;  // the page of each step, in order
};

std::string PrintTour(const ::testing::TestParamInfo<Tour>& info) {
  return info.param.name;
}

class TourTest : public QuickFormTest, public ::testing::WithParamInterface<Tour> {
 protected:
  // Checks everything the user sees at step (0-based) of the tour, and where the background is.
  void ExpectStep(std::size_t step) {
    const Tour& tour = GetParam();
    const bool last = step + 1 == tour.pages.size();
    SCOPED_TRACE("step " + std::to_string(step + 1));
    ASSERT_EQ(Page(), tour.pages[step]);
    EXPECT_EQ(Caption(),
              "Intro " + std::to_string(step + 1) + "/" + std::to_string(tour.pages.size()));
    EXPECT_EQ(form_->BackBtn->Visible(), step > 0);
    EXPECT_EQ(form_->NextBtn->Caption(), last ? "Finish" : "Next >>");
    EXPECT_EQ(form_->CloseButton->Visible(), !last);
    // The background lies on the page shown, beneath everything else there.
    TPage* page = form_->Notebook->Pages()[Page()];
    EXPECT_EQ(form_->MainBkg->Parent(), page);
    EXPECT_EQ(page->Controls(0), form_->MainBkg);
    EXPECT_TRUE(page->Visible());
    const bool december = tour.month == 12;
    EXPECT_EQ(form_->MainBkg->FrameIndex(), december ? 1 : 0);
    EXPECT_EQ(form_->GIFAnimator->Animate(), december);
  }
};

TEST_P(TourTest, NextWalksTheTourAndBackWalksItBackward) {
  const Tour& tour = GetParam();
  Start(tour.arguments, tour.month);
  const std::size_t steps = tour.pages.size();
  for (std::size_t step = 0; step < steps; ++step) {
    ExpectStep(step);
    if (step + 1 < steps) Click(form_->NextBtn);
  }
  for (std::size_t step = steps - 1; step > 0; --step) {
    Click(form_->BackBtn);
    ExpectStep(step - 1);
  }
  // Back hid itself on the first page and gave the focus to Next, so Enter goes on again.
  EXPECT_EQ(form_->ActiveControl(), form_->NextBtn);
  PressKey(VK_RETURN);
  ExpectStep(1);
  EXPECT_FALSE(Ended());
}

TEST_P(TourTest, FinishOnTheLastPageClosesTheWindow) {
  const Tour& tour = GetParam();
  Start(tour.arguments, tour.month);
  for (std::size_t step = 1; step < tour.pages.size(); ++step)
    Click(form_->NextBtn);
  ASSERT_EQ(form_->NextBtn->Caption(), "Finish");
  Click(form_->NextBtn);
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(MessageBoxes().empty());
}

TEST_P(TourTest, EscOnTheLastPageDoesNothingButTheCloseBoxStillCloses) {
  const Tour& tour = GetParam();
  Start(tour.arguments, tour.month);
  for (std::size_t step = 1; step < tour.pages.size(); ++step)
    Click(form_->NextBtn);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Ended());
  ExpectStep(tour.pages.size() - 1);
  CloseBox();
  EXPECT_TRUE(Ended());
}

TEST_P(TourTest, EveryPageChangeBringsTheWindowToTheFront) {
  Start(GetParam().arguments, GetParam().month);
  const int before = Window().BringToFrontCount();
  Click(form_->NextBtn);
  EXPECT_GT(Window().BringToFrontCount(), before);
}

INSTANTIATE_TEST_SUITE_P(
    FourTours, TourTest,
    ::testing::Values(Tour{"InitDecember", {"init"}, 12, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
                      Tour{"InitOtherMonths", {"init"}, 6, {1, 2, 3, 4, 5, 6, 7, 8}},
                      Tour{"December", {}, 12, {0, 1, 3, 4, 5, 6, 7}},
                      Tour{"OtherMonths", {}, 6, {1, 3, 4, 5, 6, 7}}),
    PrintTour);

}  // namespace
