#pragma once

#include "framework/controls/graphic_control.h"

class TGraphic;

// A windowless picture control for descendants to draw in: a paint entry that marks painting as
// under way, a reaction to content changes that schedules or forces repainting, and the request to
// the form to realise the palette of the picture shown. Controls take the mouse, click,
// double-click, paint their whole rectangle and follow their parent's colour; they start at
// 105 x 105.
class TImageControl : public TGraphicControl {
 public:
  explicit TImageControl(TComponent* owner);
  const char* ClassName() const override { return "TImageControl"; }

  bool PaintInProgress() const { return paintInProgress_; }
  // The picture whose palette the control shows; set by the descendant and not owned.
  TGraphic* PaletteGraphic() const { return paletteGraphic_; }

  // Asks the form to realise the palettes of its controls, when the control is visible, not being
  // loaded or destroyed, has a picture that reports a palette, and lies on the active form whose
  // window exists. During a paint the request is delivered at once, otherwise posted. True when it
  // was made.
  bool RequestPaletteRealization();
  // For the descendant, after anything that changes the picture: outside a paint the control is
  // invalidated; inside one it never is (no repaint loop), but when a palette request was made the
  // parent paints what is pending at once.
  void ContentChanged();

 protected:
  void SetPaletteGraphic(TGraphic* graphic) { paletteGraphic_ = graphic; }
  // Runs RenderContent with PaintInProgress set, and puts the earlier value back also when it
  // fails; a descendant calls it from its paint handler.
  void PaintContent();
  // Draws the content on Canvas().
  virtual void RenderContent() = 0;

 private:
  bool paintInProgress_ = false;
  TGraphic* paletteGraphic_ = nullptr;
};
