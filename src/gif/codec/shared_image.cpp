#include "gif/codec/shared_image.h"

void TSharedImage::Release(TSharedImage* image) {
  if (image == nullptr) return;
  if (--image->refCount_ > 0) return;
  image->ReleaseContents();
  delete image;
}
