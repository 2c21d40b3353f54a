#include "framework/controls/graphic_control.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg != WM_PAINT) {
    TControl::WndProc(message);
    return;
  }
  canvas_.Attach(reinterpret_cast<HDC>(message.WParam));
  try {
    Paint();
  } catch (...) {
    canvas_.Detach();
    throw;
  }
  canvas_.Detach();
}

void TGraphicControl::Paint() {}
