#include "framework/backends/sdl/sdl_cursor.h"

#include "framework/backends/sdl/sdl_surface.h"

namespace {

SDL_SystemCursor SdlSystemCursor(TSystemCursor kind) {
  switch (kind) {
    case TSystemCursor::kArrow:
    case TSystemCursor::kUpArrow:
      return SDL_SYSTEM_CURSOR_ARROW;
    case TSystemCursor::kIBeam:
      return SDL_SYSTEM_CURSOR_IBEAM;
    case TSystemCursor::kWait:
      return SDL_SYSTEM_CURSOR_WAIT;
    case TSystemCursor::kCross:
      return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case TSystemCursor::kSizeAll:
      return SDL_SYSTEM_CURSOR_SIZEALL;
    case TSystemCursor::kSizeNWSE:
      return SDL_SYSTEM_CURSOR_SIZENWSE;
    case TSystemCursor::kSizeNESW:
      return SDL_SYSTEM_CURSOR_SIZENESW;
    case TSystemCursor::kSizeWE:
      return SDL_SYSTEM_CURSOR_SIZEWE;
    case TSystemCursor::kSizeNS:
      return SDL_SYSTEM_CURSOR_SIZENS;
    case TSystemCursor::kNo:
      return SDL_SYSTEM_CURSOR_NO;
    case TSystemCursor::kHand:
      return SDL_SYSTEM_CURSOR_HAND;
    case TSystemCursor::kAppStarting:
      return SDL_SYSTEM_CURSOR_WAITARROW;
  }
  return SDL_SYSTEM_CURSOR_ARROW;
}

SDL_Cursor* MakeNative(const TCursorObject& cursor) {
  if (cursor.system) return SDL_CreateSystemCursor(SdlSystemCursor(cursor.systemKind));
  TSdlSurface surface = SurfaceOf(cursor.image.image);
  if (surface == nullptr) return nullptr;
  return SDL_CreateColorCursor(surface.get(), cursor.image.hotSpotX, cursor.image.hotSpotY);
}

}  // namespace

TSdlCursor::~TSdlCursor() {
  if (native_ && *native_ != nullptr) SDL_FreeCursor(*native_);
}

SDL_Cursor* TSdlCursor::Native() const {
  if (!native_) native_ = MakeNative(*this);
  return *native_;
}

SDL_Cursor* NativeCursorOf(HCURSOR cursor) {
  const auto* sdlCursor = dynamic_cast<const TSdlCursor*>(cursor);
  return sdlCursor != nullptr ? sdlCursor->Native() : nullptr;
}
