#pragma once

#include <SDL.h>

#include <optional>

#include "framework/platform/cursor.h"

// A cursor with its SDL cursor, made the first time a window shows it: a program registers many
// cursors at start (the screen's whole table of system cursors among them) and shows few, and
// each one costs a look into the cursor theme or a round trip to the display. The SDL cursor may
// be null where SDL cannot make one (no display); the window then shows the arrow.
class TSdlCursor : public TCursorObject {
 public:
  using TCursorObject::TCursorObject;
  ~TSdlCursor() override;

  SDL_Cursor* Native() const;

 private:
  mutable std::optional<SDL_Cursor*> native_;  // none until first shown
};

// The SDL cursor of a handle (null for none or for a handle of another backend).
SDL_Cursor* NativeCursorOf(HCURSOR cursor);
