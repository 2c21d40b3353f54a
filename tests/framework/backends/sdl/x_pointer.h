#pragma once

#include <cstdint>
#include <optional>

// The pointer's picture as the X server of DISPLAY shows it (XFixes), kept apart from the tests
// because Xlib's macros clash with other headers.
struct TPointerPicture {
  int width = 0;
  int height = 0;
  int hotSpotX = 0;
  int hotSpotY = 0;
  std::uint32_t firstPixel = 0;  // 0xAARRGGBB
};

class TXPointer {
 public:
  TXPointer();
  ~TXPointer();
  TXPointer(const TXPointer&) = delete;
  TXPointer& operator=(const TXPointer&) = delete;

  // None when the display can't be opened or tells nothing.
  std::optional<TPointerPicture> Picture();

 private:
  void* display_;
};
