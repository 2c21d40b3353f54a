#include "framework/controls/dialogs.h"

#include <gtest/gtest.h>

#include "headless_fixture.h"

namespace {

using Dialogs = HeadlessTest;

TEST_F(Dialogs, TheInformationDialogIsCaptionedInformationWithItsIconAndOk) {
  EXPECT_EQ(MessageDlg("Function not yet implemented", mtInformation, MsgDlgButtons({mbOK}), 0),
            mrOk);
  ASSERT_EQ(backend_.MessageBoxes().size(), 1u);
  const TMessageBoxRequest& box = backend_.MessageBoxes()[0];
  EXPECT_EQ(box.caption, "Information");
  EXPECT_EQ(box.text, "Function not yet implemented");
  EXPECT_EQ(box.flags, MB_OK | MB_ICONINFORMATION);
}

TEST_F(Dialogs, ButtonsAndAnswersMapBothWays) {
  backend_.QueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(MessageDlg("Save?", mtConfirmation, MsgDlgButtons({mbYes, mbNo, mbCancel}), 0), mrNo);
  EXPECT_EQ(backend_.MessageBoxes()[0].caption, "Confirm");
  EXPECT_EQ(backend_.MessageBoxes()[0].flags, MB_YESNOCANCEL | MB_ICONQUESTION);
  MessageDlg("Custom", mtCustom, MsgDlgButtons({mbOK, mbCancel}), 0);
  EXPECT_EQ(backend_.MessageBoxes()[1].caption, "Test Program");
  EXPECT_EQ(backend_.MessageBoxes()[1].flags, MB_OKCANCEL);
}

TEST_F(Dialogs, ShowMessageUsesTheTitleAndNoIcon) {
  ShowMessage("Hello");
  ASSERT_EQ(backend_.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend_.MessageBoxes()[0].caption, "Test Program");
  EXPECT_EQ(backend_.MessageBoxes()[0].flags, MB_OK);
}

}  // namespace
