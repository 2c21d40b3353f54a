#include "framework/backends/win32/api/cursors.h"

#include <windows.h>

#include <cstring>

namespace win32 {

namespace {

// A bitmap deleted when it goes out of scope.
class TBitmapHandle {
 public:
  explicit TBitmapHandle(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~TBitmapHandle() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  TBitmapHandle(const TBitmapHandle&) = delete;
  TBitmapHandle& operator=(const TBitmapHandle&) = delete;
  HBITMAP Get() const { return bitmap_; }

 private:
  HBITMAP bitmap_;
};

// The pixels as a 32-bit top-down DIB section whose alpha channel the system honours.
HBITMAP ArgbBitmap(const std::uint32_t* argb, int width, int height) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = width;
  header.bV5Height = -height;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (bitmap == nullptr) return nullptr;
  std::memcpy(bits, argb, static_cast<std::size_t>(width) * height * sizeof(std::uint32_t));
  return bitmap;
}

HICON ArgbIcon(const std::uint32_t* argb, int width, int height, bool icon, int hotSpotX,
               int hotSpotY) {
  if (argb == nullptr || width <= 0 || height <= 0) return nullptr;
  const TBitmapHandle colour(ArgbBitmap(argb, width, height));
  // An empty AND mask: the alpha channel alone decides what shows.
  const TBitmapHandle mask(CreateBitmap(width, height, 1, 1, nullptr));
  if (colour.Get() == nullptr || mask.Get() == nullptr) return nullptr;
  ICONINFO info{};
  info.fIcon = icon ? TRUE : FALSE;
  info.xHotspot = static_cast<DWORD>(hotSpotX);
  info.yHotspot = static_cast<DWORD>(hotSpotY);
  info.hbmMask = mask.Get();
  info.hbmColor = colour.Get();
  return CreateIconIndirect(&info);
}

}  // namespace

void* LoadResourceCursor(TResourceKey name) {
  return LoadCursorA(static_cast<HINSTANCE>(ModuleInstance()), ResourceNameArgument(name));
}

void* LoadFileCursor(const std::string& path) {
  return LoadCursorFromFileA(path.c_str());
}

void* CreateArgbCursor(const std::uint32_t* argb, int width, int height, int hotSpotX,
                       int hotSpotY) {
  return ArgbIcon(argb, width, height, false, hotSpotX, hotSpotY);
}

void* CreateArgbIcon(const std::uint32_t* argb, int width, int height) {
  return ArgbIcon(argb, width, height, true, 0, 0);
}

void DestroyCursor(void* cursor) {
  if (cursor != nullptr) ::DestroyCursor(static_cast<HCURSOR>(cursor));
}

void DestroyIcon(void* icon) {
  if (icon != nullptr) ::DestroyIcon(static_cast<HICON>(icon));
}

void* SystemCursor(std::uint16_t id) {
  return LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

void ShowCursor(void* cursor) {
  ::SetCursor(cursor != nullptr ? static_cast<HCURSOR>(cursor) : LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace win32
