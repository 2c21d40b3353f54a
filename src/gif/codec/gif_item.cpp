#include "gif/codec/gif_item.h"

GifColorTable& TGIFItem::EditFrameColors() {
  // A table shared with other frames (or none yet) is copied before it can be changed.
  if (!frameColors_ || frameColors_.use_count() > 1)
    frameColors_ = std::make_shared<GifColorTable>(FrameColors());
  return *frameColors_;
}

const GifColorTable& TGIFItem::FrameColors() const {
  static const GifColorTable kEmpty;
  return frameColors_ ? *frameColors_ : kEmpty;
}
