// The four controls of the clock-style choice show the product cursor, each under its own number.
#include "cursors/cursor_registration.h"
#include "framework/controls/screen.h"
#include "quick_form_fixture.h"

namespace {

using OptionCursorsTest = QuickFormTest;

TEST_F(OptionCursorsTest, TheFourSelectionControlsGetNumbers100To103) {
  Start({"init"});
  EXPECT_EQ(form_->TrayClockImg->Cursor(), 100);
  EXPECT_EQ(form_->DesktopClockImg->Cursor(), 101);
  EXPECT_EQ(form_->uiTrayClock->Cursor(), 102);
  EXPECT_EQ(form_->uiDesktopClock->Cursor(), 103);
  for (int number = 100; number <= 103; ++number) {
    EXPECT_NE(Screen->Cursors(number), Screen->Cursors(crDefault));
    EXPECT_EQ(Screen->Cursors(number)->image.hotSpotX, 7);
    EXPECT_EQ(Screen->Cursors(number)->image.hotSpotY, 0);
  }
  EXPECT_EQ(Screen->Cursors(104), Screen->Cursors(crDefault));
  // The fixed cursors were registered at start-up.
  EXPECT_NE(Screen->Cursors(crHandCursor), Screen->Cursors(crDefault));
  EXPECT_NE(Screen->Cursors(crDragCursor), Screen->Cursors(crDefault));

  // Over the tray picture the window shows its cursor.
  Click(form_->NextBtn);
  const TPoint origin = form_->TrayClockImg->OriginInTopLevel();
  backend_.MoveMouse(&Window(), origin.x + 5, origin.y + 5);
  ProcessMessages();
  EXPECT_EQ(Window().Cursor(), Screen->Cursors(100));
}

TEST_F(OptionCursorsTest, AMissingProductCursorIsReportedAndTheSelectionDisplaySkipped) {
  services_.hiddenResources.insert("KALDCURSOR");
  Start({"init"});
  EXPECT_EQ(MessageBoxes(),
            std::vector<std::string>{"Quick Introduction: Resource KALDCURSOR not found."});
  EXPECT_EQ(form_->TrayClockImg->Cursor(), crDefault);
  EXPECT_EQ(form_->uiDesktopClock->Cursor(), crDefault);
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected:");
  // Everything before the cursors was done, and the window works.
  EXPECT_TRUE(form_->TrBevel->Visible());
  EXPECT_FALSE(form_->DBevel->Visible());
  EXPECT_EQ(Caption(), "Intro 1/8");
  Click(form_->NextBtn);
  EXPECT_EQ(Page(), 2);
}

}  // namespace
