#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "framework/graphics/color.h"
#include "framework/graphics/font.h"
#include "framework/graphics/graphic.h"

// A recorded drawing: a list of drawing steps in the metafile's own coordinates (0, 0 to Width,
// Height) that replays onto any canvas, scaled to the rectangle it is drawn into. It has no file
// form of its own here: loading and saving raise EInvalidGraphic "Metafile is not valid".
class TMetafile : public TGraphic {
 public:
  struct FillStep {
    TRect rect;
    TColor color;
  };
  struct RectangleStep {
    TRect rect;
    TColor pen;
    TColor brush;  // clNone: not filled
  };
  struct LineStep {
    TPoint from;
    TPoint to;
    TColor pen;
  };
  struct TextStep {
    TPoint at;
    std::string text;
    std::string fontName;
    int fontHeight;
    TFontStyles fontStyle;
    TColor color;
  };
  using Step = std::variant<FillStep, RectangleStep, LineStep, TextStep>;

  const char* ClassName() const override { return "TMetafile"; }

  void Assign(const TPersistent* source) override;
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // The same recording (metafiles assigned from one another), or both empty.
  bool Equals(const TGraphic* graphic) override;
  bool Empty() const override { return !steps_ || steps_->empty(); }
  int Height() override { return height_; }
  int Width() override { return width_; }
  void SetHeight(int value) override;
  void SetWidth(int value) override;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void LoadFromClipboardFormat(std::uint16_t format, HGLOBAL data, HPALETTE palette) override;
  void SaveToClipboardFormat(std::uint16_t& format, HGLOBAL& data, HPALETTE& palette) override;

  void Record(Step step);
  void Clear();

 private:
  // Shared between metafiles assigned from one another; recording gives this one its own copy.
  std::shared_ptr<std::vector<Step>> steps_;
  int width_ = 0;
  int height_ = 0;
};
