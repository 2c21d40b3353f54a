#include "cursors/not_implemented_dialog.h"

#include "framework/controls/dialogs.h"
#include "framework/controls/screen.h"
#include "framework/core/not_implemented.h"

void InstallNotImplementedDialog() {
  SetNotImplementedReport([] {
    Screen->SetCursor(crDefault);
    MessageDlg(kNotImplementedMessage, mtInformation, MsgDlgButtons({mbOK}), 0);
  });
}
