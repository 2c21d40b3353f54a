#pragma once

#include <SDL.h>

#include "framework/platform/message_box.h"

// Shows a message box over parent (may be null) and answers the button pressed; without a display
// to show it on (or when SDL cannot), writes it to the standard error stream and answers the
// first button.
int ShowSdlMessageBox(const TMessageBoxRequest& request, SDL_Window* parent);
