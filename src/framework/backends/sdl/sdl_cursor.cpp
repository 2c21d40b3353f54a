#include "framework/backends/sdl/sdl_cursor.h"

#include "framework/backends/sdl/sdl_surface.h"

TSdlCursor::~TSdlCursor() {
  if (cursor != nullptr) SDL_FreeCursor(cursor);
}

TSdlCursor* MakeSdlCursor(const TCursorImage& image) {
  TSdlSurface surface = SurfaceOf(image.image);
  SDL_Cursor* native = surface != nullptr
                           ? SDL_CreateColorCursor(surface.get(), image.hotSpotX, image.hotSpotY)
                           : nullptr;
  return new TSdlCursor(image, native);
}

TSdlCursor* MakeSdlSystemCursor(TSystemCursor kind) {
  SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
  switch (kind) {
    case TSystemCursor::kArrow:
    case TSystemCursor::kUpArrow:
      id = SDL_SYSTEM_CURSOR_ARROW;
      break;
    case TSystemCursor::kIBeam:
      id = SDL_SYSTEM_CURSOR_IBEAM;
      break;
    case TSystemCursor::kWait:
      id = SDL_SYSTEM_CURSOR_WAIT;
      break;
    case TSystemCursor::kCross:
      id = SDL_SYSTEM_CURSOR_CROSSHAIR;
      break;
    case TSystemCursor::kSizeAll:
      id = SDL_SYSTEM_CURSOR_SIZEALL;
      break;
    case TSystemCursor::kSizeNWSE:
      id = SDL_SYSTEM_CURSOR_SIZENWSE;
      break;
    case TSystemCursor::kSizeNESW:
      id = SDL_SYSTEM_CURSOR_SIZENESW;
      break;
    case TSystemCursor::kSizeWE:
      id = SDL_SYSTEM_CURSOR_SIZEWE;
      break;
    case TSystemCursor::kSizeNS:
      id = SDL_SYSTEM_CURSOR_SIZENS;
      break;
    case TSystemCursor::kNo:
      id = SDL_SYSTEM_CURSOR_NO;
      break;
    case TSystemCursor::kHand:
      id = SDL_SYSTEM_CURSOR_HAND;
      break;
    case TSystemCursor::kAppStarting:
      id = SDL_SYSTEM_CURSOR_WAITARROW;
      break;
  }
  return new TSdlCursor(kind, SDL_CreateSystemCursor(id));
}

SDL_Cursor* NativeCursorOf(HCURSOR cursor) {
  const auto* sdlCursor = dynamic_cast<const TSdlCursor*>(cursor);
  return sdlCursor != nullptr ? sdlCursor->cursor : nullptr;
}
