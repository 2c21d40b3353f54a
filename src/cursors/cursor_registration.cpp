#include "cursors/cursor_registration.h"

#include "cursors/animated_cursor_resource.h"
#include "framework/controls/cursor_loading.h"
#include "framework/controls/screen.h"
#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/platform/cursor.h"

void RegisterFixedCursors() {
  Screen->SetCursors(crHandCursor, LoadCursorFromResource("LIB_HANDCUR"));
  Screen->SetCursors(crDragCursor, LoadCursorFromResource("LIB_DRAGCUR"));
}

TCursor AddCursorFromResource(const TResourceName& name) {
  HCURSOR cursor = LoadCursorFromResource(name);
  if (cursor == nullptr) cursor = LoadAnimatedCursorResource(name);
  if (cursor == nullptr) RaiseResourceNotFound(name);
  // Someone may have written the default cursor's own handle under a number: it counts as free.
  const HCURSOR defaultCursor = Screen->Cursors(crDefault);
  for (int number = kFirstRegisteredCursor; number <= kLastRegisteredCursor; ++number) {
    if (Screen->Cursors(number) == defaultCursor) {
      Screen->SetCursors(number, cursor);
      return static_cast<TCursor>(number);
    }
  }
  DestroyCursor(cursor);
  throw EOutOfResources(messages::kOutOfResources);
}
