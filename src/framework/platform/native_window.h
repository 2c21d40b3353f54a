#pragma once

#include <cstdint>
#include <string>

#include "framework/platform/argb_image.h"
#include "framework/platform/handles.h"
#include "framework/platform/window_params.h"

// Pixels handed to a window to show: rows from the top, 0x00RRGGBB (the top byte is ignored).
struct TPixelView {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // pixels from one row to the next
};

// One window on the screen, as a backend provides it. It shows what it was last given with
// Present and reports its input through the backend's event stream (input_event.h). Created
// hidden. All calls come from the UI thread.
class TNativeWindow {
 public:
  TNativeWindow() = default;
  TNativeWindow(const TNativeWindow&) = delete;
  TNativeWindow& operator=(const TNativeWindow&) = delete;
  virtual ~TNativeWindow() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  // An empty image restores the platform's default icon.
  virtual void SetIcon(const TArgbImage& icon) = 0;
  // The client area's new size (windows are created with theirs).
  virtual void SetClientSize(int width, int height) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Shows the pixels as the whole client area. A view of another size is shown from the top-left
  // corner, clipped.
  virtual void Present(const TPixelView& view) = 0;
  // The cursor shown while the pointer is over the window; null shows the platform's arrow.
  virtual void SetCursor(HCURSOR cursor) = 0;
  // Raises the window above the others and gives it the keyboard focus; false when refused.
  virtual bool BringToFront() = 0;
};
