#pragma once

#include "framework/graphics/canvas.h"
#include "framework/graphics/handles.h"

// A canvas that draws on a surface it is given for a while: a windowless control's canvas during
// its paint message, or a windowed control's painting routine. It owns no surface of its own.
class TControlCanvas : public TCanvas {
 public:
  TControlCanvas() = default;
  explicit TControlCanvas(HDC dc) { SetHandle(dc); }
  ~TControlCanvas() override { ReleaseHandle(); }
  const char* ClassName() const override { return "TControlCanvas"; }

  void Attach(HDC dc) {
    ReleaseHandle();
    SetHandle(dc);
  }
  void Detach() { ReleaseHandle(); }
};
