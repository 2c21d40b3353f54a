#include "framework/controls/dialogs.h"

#include "framework/controls/application.h"
#include "framework/platform/message_box.h"

namespace {

const char* Caption(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return "Warning";
    case mtError:
      return "Error";
    case mtInformation:
      return "Information";
    case mtConfirmation:
      return "Confirm";
    default:
      return nullptr;
  }
}

unsigned IconFlags(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return MB_ICONWARNING;
    case mtError:
      return MB_ICONERROR;
    case mtInformation:
      return MB_ICONINFORMATION;
    case mtConfirmation:
      return MB_ICONQUESTION;
    default:
      return 0;
  }
}

unsigned ButtonFlags(TMsgDlgButtons buttons) {
  if (buttons == MsgDlgButtons({mbOK, mbCancel})) return MB_OKCANCEL;
  if (buttons == MsgDlgButtons({mbYes, mbNo})) return MB_YESNO;
  if (buttons == MsgDlgButtons({mbYes, mbNo, mbCancel})) return MB_YESNOCANCEL;
  return MB_OK;
}

}  // namespace

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  const char* caption = Caption(type);
  return Application->MessageBox(message, caption != nullptr ? caption : Application->Title(),
                                 ButtonFlags(buttons) | IconFlags(type));
}

void ShowMessage(const std::string& message) {
  Application->MessageBox(message, Application->Title(), MB_OK);
}
