#include "framework/controls/graphic_control.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    Paint(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  TControl::WndProc(message);
}

void TGraphicControl::Paint(HDC) {}
