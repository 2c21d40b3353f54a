#pragma once

#include <SDL.h>

#include "framework/platform/cursor.h"

// A cursor with its SDL cursor; that may be null where SDL cannot make colour cursors (no
// display), and the window then shows the arrow.
struct TSdlCursor : TCursorObject {
  TSdlCursor(TCursorImage picture, SDL_Cursor* native)
      : TCursorObject(std::move(picture)), cursor(native) {}
  TSdlCursor(TSystemCursor kind, SDL_Cursor* native) : TCursorObject(kind), cursor(native) {}
  ~TSdlCursor() override;

  SDL_Cursor* cursor = nullptr;
};

TSdlCursor* MakeSdlCursor(const TCursorImage& image);
TSdlCursor* MakeSdlSystemCursor(TSystemCursor kind);
// The SDL cursor of a handle (null for none or for a handle of another backend).
SDL_Cursor* NativeCursorOf(HCURSOR cursor);
