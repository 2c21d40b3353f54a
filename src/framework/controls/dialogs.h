#pragma once

#include <initializer_list>
#include <string>

#include "framework/controls/modal_result.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
// Buttons of a message dialog, as bit numbers of a set.
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel };
using TMsgDlgButtons = unsigned;
inline constexpr TMsgDlgButtons MsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
  TMsgDlgButtons set = 0;
  for (TMsgDlgBtn button : buttons)
    set |= 1u << button;
  return set;
}

// A modal message box captioned after its type ("Warning", "Error", "Information", "Confirm";
// the application's title for mtCustom), with the type's icon and the given buttons (OK, OK and
// Cancel, Yes and No, or Yes, No and Cancel; any other set shows OK). Answers the button pressed.
// The help context is kept for callers written against it; there is no help.
TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext);
// A message box captioned with the application's title, with an OK button and no icon.
void ShowMessage(const std::string& message);
