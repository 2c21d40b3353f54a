#pragma once

#include <string>

class TNativeWindow;

// Buttons and icon of a message box, combined in one flag word as on the platform.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;

// The button that closed a message box.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct TMessageBoxRequest {
  std::string caption;
  std::string text;
  unsigned flags = MB_OK;
  TNativeWindow* owner = nullptr;  // the window it belongs to, if any
};

// The button a message box answers when nobody can press one (no display): the first button.
int DefaultMessageBoxAnswer(unsigned flags);
