#include "x_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

TXPointer::TXPointer() : display_(XOpenDisplay(nullptr)) {}

TXPointer::~TXPointer() {
  if (display_ != nullptr) XCloseDisplay(static_cast<Display*>(display_));
}

std::optional<TPointerPicture> TXPointer::Picture() {
  if (display_ == nullptr) return std::nullopt;
  XFixesCursorImage* cursor = XFixesGetCursorImage(static_cast<Display*>(display_));
  if (cursor == nullptr) return std::nullopt;
  TPointerPicture picture{cursor->width, cursor->height, cursor->xhot, cursor->yhot,
                          static_cast<std::uint32_t>(cursor->pixels[0])};
  XFree(cursor);
  return picture;
}
