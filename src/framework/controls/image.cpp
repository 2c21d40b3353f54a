#include "framework/controls/image.h"

#include "framework/core/property_table.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csReplicatable);
  SetBounds(0, 0, 105, 105);
  picture_.SetOnChange([this](TObject*) { PictureChanged(); });
}

void TImage::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  PictureChanged();
}

void TImage::SetCenter(bool value) {
  if (center_ == value) return;
  center_ = value;
  Invalidate();
}

void TImage::SetStretch(bool value) {
  if (stretch_ == value) return;
  stretch_ = value;
  Invalidate();
}

HPALETTE TImage::ControlPalette() {
  TGraphic* graphic = picture_.Graphic();
  return graphic != nullptr ? graphic->Palette() : nullptr;
}

void TImage::PictureChanged() {
  if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0) {
    SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  }
  Invalidate();
}

TRect TImage::DestinationRect() {
  if (stretch_) return ClientRect();
  const int width = picture_.Width();
  const int height = picture_.Height();
  if (!center_) return Rect(0, 0, width, height);
  // Truncated toward zero, so a picture larger than the control is cut evenly.
  return Bounds((Width() - width) / 2, (Height() - height) / 2, width, height);
}

void TImage::Paint() {
  TGraphic* graphic = picture_.Graphic();
  if (graphic == nullptr || graphic->Empty()) return;
  Canvas().StretchDraw(DestinationRect(), graphic);
}

const TPropertyTable& TImage::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TGraphicControl::StaticProperties())
          .Boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
          .Boolean("Center", &TImage::Center, &TImage::SetCenter, false)
          .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
          .Object("Picture", &TImage::Picture);
  return table;
}
