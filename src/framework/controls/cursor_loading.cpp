#include "framework/controls/cursor_loading.h"

#include <vector>

#include "framework/controls/icon_pixels.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/platform/cursor.h"
#include "framework/platform/platform_services.h"
#include "framework/platform/window_backend.h"

HCURSOR LoadCursorFromData(std::span<const std::uint8_t> data) {
  TMemoryStream stream(std::vector<std::uint8_t>(data.begin(), data.end()));
  TIcon cursor;
  cursor.SetRequestedSize(kCursorSize);
  try {
    cursor.LoadFromStream(stream);
  } catch (const EInvalidGraphic&) {
    return nullptr;
  }
  if (cursor.Empty()) return nullptr;
  return CreateCursorFromImage(CursorImageOf(cursor));
}

HCURSOR LoadCursorFromResource(const TResourceName& name) {
  if (TPlatformCursors* platform = WindowBackend().PlatformCursors()) {
    return platform->LoadResourceCursor(name);
  }
  const auto data = Platform().FindResource(name, RT_GROUP_CURSOR);
  return data ? LoadCursorFromData(*data) : nullptr;
}
