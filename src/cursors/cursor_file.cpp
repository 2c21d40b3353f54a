#include "cursors/cursor_file.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/controls/cursor_loading.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/platform/window_backend.h"

namespace {

bool IsRiffData(const std::vector<std::uint8_t>& data) {
  static constexpr std::uint8_t kRiff[] = {'R', 'I', 'F', 'F'};
  return data.size() >= sizeof kRiff &&
         std::equal(std::begin(kRiff), std::end(kRiff), data.begin());
}

}  // namespace

HCURSOR LoadCursorFromFile(const std::string& path) {
  if (TPlatformCursors* platform = WindowBackend().PlatformCursors()) {
    return platform->LoadCursorFile(path);
  }
  TMemoryStream file;
  try {
    file.LoadFromFile(path);
  } catch (const EStreamError&) {
    return nullptr;
  }
  const std::vector<std::uint8_t>& data = file.Bytes();
  if (IsRiffData(data)) return nullptr;
  // The platform's loader answers a file it can't read as a cursor with no cursor at all.
  try {
    return LoadCursorFromData(data);
  } catch (const EInvalidGraphic&) {
    return nullptr;
  }
}
