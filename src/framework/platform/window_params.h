#pragma once

#include <string>

// How a top-level window is created. Sizes are of the client area, in pixels.
struct TWindowParams {
  std::string caption;
  int left = 0;  // used unless centred
  int top = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  bool toolWindow = false;  // small caption, fixed size, not in the task bar
  bool stayOnTop = false;
  bool centred = false;  // centred on the screen, overriding left and top
  bool resizable = false;
};
