#include "framework/backends/sdl/sdl_window.h"

#include <string>

#include "framework/backends/sdl/sdl_cursor.h"
#include "framework/backends/sdl/sdl_surface.h"
#include "framework/core/exceptions.h"

namespace {

Uint32 WindowFlags(const TWindowParams& params) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (params.toolWindow) flags |= SDL_WINDOW_UTILITY;
  if (params.stayOnTop) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  if (params.resizable) flags |= SDL_WINDOW_RESIZABLE;
  return flags;
}

}  // namespace

TSdlWindow* TSdlWindow::FromId(Uint32 id) {
  SDL_Window* window = SDL_GetWindowFromID(id);
  return window != nullptr ? static_cast<TSdlWindow*>(SDL_GetWindowData(window, kWindowDataName))
                           : nullptr;
}

TSdlWindow::TSdlWindow(const TWindowParams& params) {
  const int x = params.centred ? SDL_WINDOWPOS_CENTERED : params.left;
  const int y = params.centred ? SDL_WINDOWPOS_CENTERED : params.top;
  window_ = SDL_CreateWindow(params.caption.c_str(), x, y, params.clientWidth, params.clientHeight,
                             WindowFlags(params));
  if (window_ == nullptr) throw Exception(std::string("Cannot create window: ") + SDL_GetError());
  SDL_SetWindowData(window_, kWindowDataName, this);
  if (!params.resizable) {
    // Some window managers ignore a missing resizable flag unless the limits say so too.
    SDL_SetWindowMinimumSize(window_, params.clientWidth, params.clientHeight);
    SDL_SetWindowMaximumSize(window_, params.clientWidth, params.clientHeight);
  }
}

TSdlWindow::~TSdlWindow() {
  SDL_DestroyWindow(window_);
}

void TSdlWindow::SetCaption(const std::string& caption) {
  SDL_SetWindowTitle(window_, caption.c_str());
}

void TSdlWindow::SetIcon(const TArgbImage& icon) {
  if (TSdlSurface surface = SurfaceOf(icon)) SDL_SetWindowIcon(window_, surface.get());
}

void TSdlWindow::SetClientSize(int width, int height) {
  SDL_SetWindowMinimumSize(window_, width, height);
  SDL_SetWindowMaximumSize(window_, width, height);
  SDL_SetWindowSize(window_, width, height);
}

void TSdlWindow::Show() {
  SDL_ShowWindow(window_);
  if (raiseWhenShown_) {
    raiseWhenShown_ = false;
    SDL_RaiseWindow(window_);
  }
}

void TSdlWindow::Hide() {
  SDL_HideWindow(window_);
}

bool TSdlWindow::Visible() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) != 0;
}

void TSdlWindow::Present(const TPixelView& view) {
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  TSdlSurface source = SurfaceOf(view);
  if (target == nullptr || source == nullptr) return;
  SDL_BlitSurface(source.get(), nullptr, target, nullptr);
  SDL_UpdateWindowSurface(window_);
}

void TSdlWindow::SetCursor(HCURSOR cursor) {
  cursor_ = cursor;
  cursorAnimation_.Show(cursor, SDL_GetTicks64());
  if (SDL_GetMouseFocus() == window_) ApplyCursor();
}

void TSdlWindow::ApplyCursor() {
  SDL_Cursor* native = cursorAnimation_.Current(SDL_GetTicks64());
  if (native == nullptr) native = NativeCursorOf(cursor_);
  SDL_SetCursor(native != nullptr ? native : SDL_GetDefaultCursor());
}

std::optional<std::uint64_t> TSdlWindow::StepCursor() {
  if (SDL_GetMouseFocus() != window_) return std::nullopt;
  const Uint64 now = SDL_GetTicks64();
  SDL_Cursor* step = cursorAnimation_.Current(now);
  if (step != nullptr && step != SDL_GetCursor()) SDL_SetCursor(step);
  return cursorAnimation_.NextStepIn(now);
}

bool TSdlWindow::BringToFront() {
  if (!Visible()) {
    // Raising a window that is not mapped yet does nothing on some systems: do it on Show.
    raiseWhenShown_ = true;
    return true;
  }
  SDL_RaiseWindow(window_);
  return true;
}
