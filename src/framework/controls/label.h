#pragma once

#include "framework/controls/graphic_control.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A text on its parent. With AutoSize (the default) it takes the size of its text whenever the
// text, the font or the wrapping changes (not while it is read from form data): without WordWrap
// its widest line and all its lines, with WordWrap the lines it breaks into at its present width,
// narrowed to the widest. Transparent leaves the background alone; otherwise it is filled with
// Color.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  const char* ClassName() const override { return "TLabel"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

  void Loaded() override;

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  unsigned TextFlags() const;
  void AdjustBounds();

  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  TAlignment alignment_ = taLeftJustify;
};
