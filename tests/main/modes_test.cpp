// The two modes are fixed when the window is created: Christmas mode by the month, Init mode by
// the first argument.
#include <string>
#include <vector>

#include "animation/gif_animator.h"
#include "quick_form_fixture.h"

namespace {

using ModesTest = QuickFormTest;

TEST_F(ModesTest, EveryDayOfDecemberOpensOnTheChristmasPage) {
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE("December " + std::to_string(day));
    Start({}, 12, day);
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(Caption(), "Intro 1/7");
    EXPECT_TRUE(form_->GIFAnimator->Animate());
    application_.reset();
  }
}

TEST_F(ModesTest, TheLastDayOfNovemberAndTheFirstOfJanuaryOpenOnTheWelcomePage) {
  for (const auto& [month, day] : {std::pair{11, 30}, std::pair{1, 1}}) {
    SCOPED_TRACE(std::to_string(month) + "/" + std::to_string(day));
    Start({}, month, day);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Caption(), "Intro 1/6");
    EXPECT_FALSE(form_->GIFAnimator->Animate());
    EXPECT_EQ(form_->MainBkg->FrameIndex(), 0);
    application_.reset();
  }
}

TEST_F(ModesTest, AWindowOpenedOnNewYearsEveKeepsChristmasModeIntoJanuary) {
  Start({}, 12, 31);
  services_.today = {2027, 1, 1, 0, 0, 1, 0};
  Click(form_->NextBtn);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Caption(), "Intro 2/7");
  Click(form_->BackBtn);
  EXPECT_EQ(Page(), 0);
  EXPECT_EQ(Caption(), "Intro 1/7");
  EXPECT_FALSE(form_->BackBtn->Visible());
  EXPECT_EQ(form_->MainBkg->Parent(), form_->Label12->Parent());
  EXPECT_EQ(form_->MainBkg->FrameIndex(), 1);
}

TEST_F(ModesTest, OnlyExactlyInitAsTheFirstArgumentSelectsInitMode) {
  const std::vector<std::vector<std::string>> notInit = {
      {}, {"INIT"}, {"Init"}, {"/init"}, {"init "}, {""}, {"other", "init"}};
  for (const auto& arguments : notInit) {
    SCOPED_TRACE(arguments.empty() ? "no argument" : "\"" + arguments.back() + "\"");
    Start(arguments);
    EXPECT_EQ(Caption(), "Intro 1/6");
    Click(form_->NextBtn);
    EXPECT_EQ(Page(), 3) << "the clock style page belongs to Init mode";
    EXPECT_TRUE(MessageBoxes().empty());
    application_.reset();
  }
  Start({"init", "more", "arguments"});
  EXPECT_EQ(Caption(), "Intro 1/8");
  Click(form_->NextBtn);
  EXPECT_EQ(Page(), 2);
}

}  // namespace
