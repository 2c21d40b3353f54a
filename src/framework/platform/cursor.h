#pragma once

#include <utility>
#include <vector>

#include "framework/platform/argb_image.h"
#include "framework/platform/handles.h"

// The platform's own mouse cursors.
enum class TSystemCursor {
  kArrow,
  kIBeam,
  kWait,
  kCross,
  kUpArrow,
  kSizeAll,
  kSizeNWSE,
  kSizeNESW,
  kSizeWE,
  kSizeNS,
  kNo,
  kHand,
  kAppStarting,
};

// A colour cursor made from our own pixels: the picture and the pixel that points.
struct TCursorImage {
  TArgbImage image;
  int hotSpotX = 0;
  int hotSpotY = 0;
};

// One picture of an animated cursor and how long it shows before the next.
struct TCursorStep {
  TCursorImage image;
  unsigned durationMs = 0;
};

// What a cursor handle points to. A window backend derives from it to keep its native cursor
// beside the picture. System cursors are shared and live as long as their backend; destroying
// one does nothing, as on the platform.
struct TCursorObject {
  explicit TCursorObject(TCursorImage picture) : image(std::move(picture)) {}
  explicit TCursorObject(TSystemCursor kind) : system(true), systemKind(kind) {}
  // An animated cursor; its image is the first step's. steps holds at least one.
  explicit TCursorObject(std::vector<TCursorStep> animation)
      : image(animation.front().image), steps(std::move(animation)) {}
  TCursorObject(const TCursorObject&) = delete;
  TCursorObject& operator=(const TCursorObject&) = delete;
  virtual ~TCursorObject() = default;

  bool system = false;
  TSystemCursor systemKind = TSystemCursor::kArrow;
  TCursorImage image;  // empty for a system cursor
  // An animated cursor's pictures in the order shown, round and round; empty for a still one.
  std::vector<TCursorStep> steps;
};

// Cursor handles through the installed window backend (see window_backend.h).
HCURSOR CreateCursorFromImage(const TCursorImage& image);
// An animated cursor of the steps (at least one); a backend that cannot animate cursors shows the
// first.
HCURSOR CreateAnimatedCursor(const std::vector<TCursorStep>& steps);
HCURSOR LoadSystemCursor(TSystemCursor kind);
// Frees a cursor made from an image; a null handle or a system cursor is left alone. False for
// null.
bool DestroyCursor(HCURSOR cursor);
