#include "gif/picture/gif_registration.h"

#include "framework/core/class_registry.h"
#include "framework/graphics/picture.h"
#include "framework/platform/platform_services.h"
#include "gif/picture/gif_image.h"
#include "gif/picture/picture_messages.h"

std::uint16_t CF_GIF = 0;

void RegisterGifImage() {
  RegisterClass<TGIFFrame>("TGIFFrame");
  RegisterClass<TGIFImage>("TGIFImage");
  // Registered afresh, so that a second call leaves one entry of each.
  TPicture::UnregisterGraphicClass("TGIFImage");
  TPicture::RegisterFileFormat("gif", gif_picture_messages::kFileFormatDescription,
                               TGraphicClass::Of<TGIFImage>());
  CF_GIF = static_cast<std::uint16_t>(
      Platform().RegisterClipboardFormat(gif_picture_messages::kClipboardFormatName));
  TPicture::RegisterClipboardFormat(CF_GIF, TGraphicClass::Of<TGIFImage>());
}
