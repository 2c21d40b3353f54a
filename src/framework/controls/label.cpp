#include "framework/controls/label.h"

#include "framework/controls/control_canvas.h"
#include "framework/core/property_table.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/text_layout.h"

namespace {

// An empty caption still has the height of one line.
std::string MeasuredText(const std::string& caption) {
  return caption.empty() ? " " : caption;
}

}  // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csReplicatable);
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::TextChanged() {
  Invalidate();
  AdjustBounds();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

unsigned TLabel::TextFlags() const {
  unsigned flags = wordWrap_ ? unsigned{DT_WORDBREAK} : 0u;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  return flags;
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || InState(csLoading) || InState(csDestroying)) return;
  TScopedDC dc;
  TControlCanvas canvas(dc.Get());
  canvas.Font().Assign(&Font());
  TRect rect = ClientRect();
  canvas.DrawText(MeasuredText(Caption()), rect, TextFlags() | DT_CALCRECT);
  // A right-aligned label keeps its right edge where it was.
  const int left = alignment_ == taRightJustify ? Left() + Width() - rect.right : Left();
  SetBounds(left, Top(), rect.right, rect.bottom);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!transparent_) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(&Font());
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  TRect rect = ClientRect();
  canvas.DrawText(Caption(), rect, TextFlags());
}

const TPropertyTable& TLabel::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TGraphicControl::StaticProperties())
          .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
          .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
          .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
          .Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment,
                {{"taLeftJustify", taLeftJustify},
                 {"taRightJustify", taRightJustify},
                 {"taCenter", taCenter}},
                taLeftJustify);
  return table;
}
