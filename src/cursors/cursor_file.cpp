#include "cursors/cursor_file.h"

#include <algorithm>
#include <span>
#include <vector>

#include "cursors/animated_cursor_image.h"
#include "framework/controls/cursor_loading.h"
#include "framework/controls/icon_pixels.h"
#include "framework/core/exceptions.h"
#include "framework/core/memory_stream.h"
#include "framework/platform/cursor.h"
#include "framework/platform/window_backend.h"

namespace {

constexpr unsigned kJiffiesPerSecond = 60;

// A frame's picture at the size cursors show; icon data points at its centre.
TCursorImage StepImage(const TIconFrame& frame) {
  TIcon icon;
  icon.SetRequestedSize(kCursorSize);
  icon.Assign(frame.IconImage());
  TCursorImage image = CursorImageOf(icon);
  if (frame.FromIcon()) {
    image.hotSpotX = image.image.width / 2;
    image.hotSpotY = image.image.height / 2;
  }
  return image;
}

// The cursor of an animated cursor file; none when the reader can't make frames of it.
HCURSOR LoadAnimatedCursor(const std::vector<std::uint8_t>& data) {
  TAnimatedCursorImage animation;
  try {
    TMemoryStream stream(data);
    animation.LoadFromStream(stream);
  } catch (const EReadError&) {
    return nullptr;
  }
  std::vector<TCursorStep> steps;
  for (int i = 0; i < animation.FrameCount(); ++i) {
    const TIconFrame& frame = *animation.Frame(i);
    const auto jiffies = static_cast<unsigned>(std::max(frame.RateJiffies(), 0));
    steps.push_back({StepImage(frame), jiffies * 1000 / kJiffiesPerSecond});
  }
  if (steps.size() == 1) return CreateCursorFromImage(steps.front().image);
  return CreateAnimatedCursor(steps);
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
  if (IsAniFile(data)) return LoadAnimatedCursor(data);
  return LoadCursorFromData(data);
}
