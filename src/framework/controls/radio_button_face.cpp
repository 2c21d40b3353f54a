#include "framework/controls/radio_button_face.h"

namespace {

// s: outer shadow, d: inner dark shadow, h: outer highlight, l: inner light, w: interior,
// .: background (left alone).
constexpr const char* kRing[kRadioMarkSize] = {
    "....ssss....",  //
    "..ssddddss..",  //
    ".sddwwwwddh.",  //
    ".sdwwwwwwlh.",  //
    "sdwwwwwwwwlh",  //
    "sdwwwwwwwwlh",  //
    "sdwwwwwwwwlh",  //
    "sdwwwwwwwwlh",  //
    ".sdwwwwwwlh.",  //
    ".sllwwwwllh.",  //
    "..hhllllhh..",  //
    "....hhhh....",  //
};

// The dot, 4 x 4 with its corners cut, in the middle of the interior.
constexpr const char* kDot[4] = {".xx.", "xxxx", "xxxx", ".xx."};
constexpr int kDotOffset = 4;

TColor RingColor(char code, bool enabled) {
  switch (code) {
    case 's':
      return clBtnShadow;
    case 'd':
      return cl3DDkShadow;
    case 'h':
      return clBtnHighlight;
    case 'l':
      return cl3DLight;
    default:
      return enabled ? clWindow : clBtnFace;
  }
}

}  // namespace

void DrawRadioMark(TCanvas& canvas, int x, int y, bool checked, bool enabled) {
  for (int row = 0; row < kRadioMarkSize; ++row) {
    for (int column = 0; column < kRadioMarkSize; ++column) {
      const char code = kRing[row][column];
      if (code != '.') canvas.SetPixel(x + column, y + row, RingColor(code, enabled));
    }
  }
  if (!checked) return;
  const TColor dot = enabled ? clWindowText : clGrayText;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (kDot[row][column] == 'x') {
        canvas.SetPixel(x + kDotOffset + column, y + kDotOffset + row, dot);
      }
    }
  }
}
