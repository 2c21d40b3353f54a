#include "framework/backends/sdl/sdl_message_box.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

Uint32 IconFlags(unsigned flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
      return SDL_MESSAGEBOX_ERROR;
    case MB_ICONWARNING:
      return SDL_MESSAGEBOX_WARNING;
    default:
      return SDL_MESSAGEBOX_INFORMATION;
  }
}

// The buttons left to right, Enter on the first and Esc on the last.
std::vector<SDL_MessageBoxButtonData> Buttons(unsigned flags) {
  std::vector<SDL_MessageBoxButtonData> buttons;
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
      buttons = {{0, IDOK, "OK"}, {0, IDCANCEL, "Cancel"}};
      break;
    case MB_YESNO:
      buttons = {{0, IDYES, "Yes"}, {0, IDNO, "No"}};
      break;
    case MB_YESNOCANCEL:
      buttons = {{0, IDYES, "Yes"}, {0, IDNO, "No"}, {0, IDCANCEL, "Cancel"}};
      break;
    default:
      buttons = {{0, IDOK, "OK"}};
      break;
  }
  buttons.front().flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
  buttons.back().flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
  return buttons;
}

// Drivers without a screen: SDL would either fail or, with a display around, open the box on
// that display although the program's own windows are not there.
bool DriverHasScreen() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && std::strcmp(driver, "offscreen") != 0 &&
         std::strcmp(driver, "dummy") != 0;
}

int Unshown(const TMessageBoxRequest& request) {
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  return DefaultMessageBoxAnswer(request.flags);
}

}  // namespace

int ShowSdlMessageBox(const TMessageBoxRequest& request, SDL_Window* parent) {
  if (!DriverHasScreen()) return Unshown(request);
  const std::vector<SDL_MessageBoxButtonData> buttons = Buttons(request.flags);
  const SDL_MessageBoxData data{IconFlags(request.flags),
                                parent,
                                request.caption.c_str(),
                                request.text.c_str(),
                                static_cast<int>(buttons.size()),
                                buttons.data(),
                                nullptr};
  int pressed = 0;
  if (SDL_ShowMessageBox(&data, &pressed) != 0) return Unshown(request);
  // Closing the box without a button counts as its Esc button.
  return pressed >= 0 ? pressed : buttons.back().buttonid;
}
