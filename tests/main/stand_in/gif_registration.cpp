#include "gif/gif_registration.h"

#include "framework/core/class_registry.h"
#include "framework/graphics/picture.h"
#include "gif/gif_image.h"

void RegisterGifImage() {
  RegisterClass<TGIFImage>("TGIFImage");
  TPicture::UnregisterGraphicClass("TGIFImage");
  TPicture::RegisterFileFormat("gif", "GIF Image", TGraphicClass::Of<TGIFImage>());
}
