#include "framework/platform/cursor.h"

#include "framework/platform/window_backend.h"

HCURSOR CreateCursorFromImage(const TCursorImage& image) {
  return WindowBackend().CreateCursor(image);
}

HCURSOR CreateAnimatedCursor(const std::vector<TCursorStep>& steps) {
  return WindowBackend().CreateAnimatedCursor(steps);
}

HCURSOR LoadSystemCursor(TSystemCursor kind) {
  return WindowBackend().SystemCursor(kind);
}

bool DestroyCursor(HCURSOR cursor) {
  if (cursor == nullptr) return false;
  if (!cursor->system) delete cursor;
  return true;
}
