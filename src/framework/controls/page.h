#pragma once

#include "framework/controls/win_control.h"

// One page of a TNotebook: a container whose caption names it (it is not displayed). The notebook
// shows one page at a time, filling its client area; a page paints nothing of its own.
class TPage : public TWinControl {
 public:
  explicit TPage(TComponent* owner);
  const char* ClassName() const override { return "TPage"; }
};
