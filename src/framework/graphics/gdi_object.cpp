#include "framework/graphics/gdi_object.h"

void TGdiObject::ReleaseReference() {
  if (--references_ == 0 && deletePending_) delete this;
}

void TGdiObject::RequestDelete() {
  if (references_ == 0) {
    delete this;
  } else {
    deletePending_ = true;
  }
}

bool DeleteObject(HGDIOBJ object) {
  if (object == nullptr || object->IsStock()) return false;
  object->RequestDelete();
  return true;
}
