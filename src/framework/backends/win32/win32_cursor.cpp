#include "framework/backends/win32/win32_cursor.h"

#include "framework/backends/win32/api/cursors.h"

TWin32Cursor::~TWin32Cursor() {
  if (ownership == TOwnership::kOwned) win32::DestroyCursor(native);
}

void* NativeCursorOf(HCURSOR cursor) {
  const auto* ours = dynamic_cast<const TWin32Cursor*>(cursor);
  return ours != nullptr ? ours->native : nullptr;
}
