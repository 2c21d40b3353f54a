#include "gif/codec/gif_error.h"

#include "framework/core/exceptions.h"

void GifError(const std::string& message) {
  throw EInvalidGraphicOperation(message);
}
