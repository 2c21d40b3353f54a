#pragma once

#include "framework/controls/graphic_control.h"
#include "framework/graphics/picture.h"

// A picture on its parent: at the top-left corner, centred (Center) or stretched to the control
// (Stretch, which wins). With AutoSize the control takes the picture's size, keeping its top-left
// corner, whenever the picture changes.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  const char* ClassName() const override { return "TImage"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  TPicture& Picture() { return picture_; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);

  // The picture's palette, if it has one.
  HPALETTE ControlPalette() override;

 protected:
  void Paint() override;

 private:
  void PictureChanged();
  TRect DestinationRect();

  TPicture picture_;
  bool autoSize_ = false;
  bool center_ = false;
  bool stretch_ = false;
};
