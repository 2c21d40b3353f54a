#include "cursors/not_implemented_dialog.h"

#include "cursor_fixture.h"
#include "framework/controls/screen.h"
#include "framework/core/exceptions.h"
#include "framework/core/not_implemented.h"
#include "framework/platform/message_box.h"

namespace {

using NotImplementedTest = CursorTest;

TEST_F(NotImplementedTest, WithoutTheDialogTheOperationEndsSilently) {
  const auto previous = SetNotImplementedReport(nullptr);
  EXPECT_THROW(ReportNotImplemented(), EAbort);
  EXPECT_TRUE(backend_.MessageBoxes().empty());
  SetNotImplementedReport(previous);
}

TEST_F(NotImplementedTest, TheDialogResetsTheCursorAndSaysSoBeforeTheSilentAbort) {
  InstallNotImplementedDialog();
  Screen->SetCursor(crHourGlass);
  EXPECT_THROW(ReportNotImplemented(), EAbort);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  ASSERT_EQ(backend_.MessageBoxes().size(), 1u);
  const TMessageBoxRequest& box = backend_.MessageBoxes()[0];
  EXPECT_EQ(box.caption, "Information");
  EXPECT_EQ(box.text, "Function not yet implemented");
  EXPECT_EQ(box.flags, static_cast<unsigned>(MB_OK | MB_ICONINFORMATION));
  SetNotImplementedReport(nullptr);
}

}  // namespace
