#pragma once

#include "framework/core/persistent.h"
#include "framework/graphics/gdi_object.h"

// Base of the canvas tools (font, brush, pen): a persistent object that announces its changes and
// keeps the device object made from its settings until they change.
class TGraphicsObject : public TPersistent {
 public:
  ~TGraphicsObject() override { FreeHandle(); }
  const char* ClassName() const override { return "TGraphicsObject"; }

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

 protected:
  // Drops the device object (it goes once no surface holds it) and calls OnChange.
  void Changed() {
    FreeHandle();
    if (onChange_) onChange_(this);
  }
  HGDIOBJ CachedHandle() const { return handle_; }
  void SetCachedHandle(HGDIOBJ handle) { handle_ = handle; }

 private:
  void FreeHandle() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }

  TNotifyEvent onChange_;
  HGDIOBJ handle_ = nullptr;
};
