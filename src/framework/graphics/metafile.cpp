#include "framework/graphics/metafile.h"

#include "framework/core/exceptions.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/graphics_messages.h"

namespace {

// Maps metafile coordinates onto the rectangle being drawn into.
class TScale {
 public:
  TScale(int width, int height, const TRect& target)
      : width_(width > 0 ? width : 1), height_(height > 0 ? height : 1), target_(target) {}
  int X(int x) const {
    return target_.left + static_cast<int>(std::int64_t{x} * target_.Width() / width_);
  }
  int Y(int y) const {
    return target_.top + static_cast<int>(std::int64_t{y} * target_.Height() / height_);
  }
  TRect Map(const TRect& r) const { return {X(r.left), Y(r.top), X(r.right), Y(r.bottom)}; }
  int Height(int h) const { return static_cast<int>(std::int64_t{h} * target_.Height() / height_); }

 private:
  int width_;
  int height_;
  TRect target_;
};

struct TReplay {
  TCanvas& canvas;
  const TScale& scale;

  void operator()(const TMetafile::FillStep& step) const {
    canvas.Brush().SetColor(step.color);
    canvas.FillRect(scale.Map(step.rect));
  }
  void operator()(const TMetafile::RectangleStep& step) const {
    canvas.Pen().SetColor(step.pen);
    if (step.brush == clNone) {
      canvas.Brush().SetStyle(TBrushStyle::bsClear);
    } else {
      canvas.Brush().SetColor(step.brush);
    }
    canvas.Rectangle(scale.Map(step.rect));
  }
  void operator()(const TMetafile::LineStep& step) const {
    canvas.Pen().SetColor(step.pen);
    canvas.MoveTo(scale.X(step.from.x), scale.Y(step.from.y));
    canvas.LineTo(scale.X(step.to.x), scale.Y(step.to.y));
  }
  void operator()(const TMetafile::TextStep& step) const {
    canvas.Font().SetName(step.fontName);
    canvas.Font().SetHeight(scale.Height(step.fontHeight));
    canvas.Font().SetStyle(step.fontStyle);
    canvas.Font().SetColor(step.color);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(scale.X(step.at.x), scale.Y(step.at.y), step.text);
  }
};

}  // namespace

void TMetafile::Assign(const TPersistent* source) {
  if (source == nullptr) {
    Clear();
    return;
  }
  if (const auto* other = dynamic_cast<const TMetafile*>(source)) {
    if (other == this) return;
    steps_ = other->steps_;
    width_ = other->width_;
    height_ = other->height_;
    Changed(this);
    return;
  }
  TGraphic::Assign(source);
}

namespace {

// Keeps a copy of a canvas's tools and puts it back at the end of a scope.
class TToolsKeeper {
 public:
  explicit TToolsKeeper(TCanvas& canvas) : canvas_(canvas) {
    brush_.Assign(&canvas.Brush());
    pen_.Assign(&canvas.Pen());
    font_.Assign(&canvas.Font());
  }
  ~TToolsKeeper() {
    canvas_.Brush().Assign(&brush_);
    canvas_.Pen().Assign(&pen_);
    canvas_.Font().Assign(&font_);
  }
  TToolsKeeper(const TToolsKeeper&) = delete;
  TToolsKeeper& operator=(const TToolsKeeper&) = delete;

 private:
  TCanvas& canvas_;
  TBrush brush_;
  TPen pen_;
  TFont font_;
};

}  // namespace

void TMetafile::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  const TToolsKeeper keeper(canvas);  // the canvas's tools are the caller's
  const TScale scale(width_, height_, rect);
  for (const Step& step : *steps_)
    std::visit(TReplay{canvas, scale}, step);
}

bool TMetafile::Equals(const TGraphic* graphic) {
  const auto* other = dynamic_cast<const TMetafile*>(graphic);
  if (other == nullptr) return false;
  return steps_ == other->steps_ || (Empty() && other->Empty());
}

void TMetafile::SetHeight(int value) {
  if (value == height_) return;
  height_ = value;
  Changed(this);
}

void TMetafile::SetWidth(int value) {
  if (value == width_) return;
  width_ = value;
  Changed(this);
}

void TMetafile::LoadFromStream(TStream&) {
  throw EInvalidGraphic(graphics_messages::kInvalidMetafile);
}

void TMetafile::SaveToStream(TStream&) {
  throw EInvalidGraphic(graphics_messages::kInvalidMetafile);
}

void TMetafile::LoadFromClipboardFormat(std::uint16_t, HGLOBAL, HPALETTE) {
  throw EInvalidGraphic(graphics_messages::kClipboardFormat);
}

void TMetafile::SaveToClipboardFormat(std::uint16_t&, HGLOBAL&, HPALETTE&) {
  throw EInvalidGraphic(graphics_messages::kClipboardFormat);
}

void TMetafile::Record(Step step) {
  if (!steps_ || steps_.use_count() > 1) {
    steps_ = std::make_shared<std::vector<Step>>(steps_ ? *steps_ : std::vector<Step>{});
  }
  steps_->push_back(std::move(step));
  Changed(this);
}

void TMetafile::Clear() {
  steps_.reset();
  Changed(this);
}
