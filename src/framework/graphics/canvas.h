#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/persistent.h"
#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "framework/graphics/handles.h"
#include "framework/graphics/pen.h"
#include "framework/graphics/types.h"

class TGraphic;

// Drawing with a brush, a pen and a font on a drawing surface. Every drawing operation first
// announces the coming change (OnChanging), selects the canvas's tools into the surface, draws,
// and then announces the change (OnChange). A plain canvas draws on a surface given to it with
// SetHandle; descendants (a bitmap's canvas, a control's canvas) make their own on demand.
class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;
  const char* ClassName() const override { return "TCanvas"; }

  // The surface, made on demand; raises EInvalidGraphicOperation "Canvas does not allow drawing"
  // when the canvas has none and cannot make one.
  HDC Handle();
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }
  TFont& Font() { return font_; }
  std::uint32_t CopyMode() const { return copyMode_; }
  void SetCopyMode(std::uint32_t rop) { copyMode_ = rop; }
  TPoint PenPos();
  void SetPenPos(TPoint position) { MoveTo(position.x, position.y); }

  void FillRect(const TRect& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Draws a graphic at its own size with its top-left corner at (x, y), or stretched to rect.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies (stretching) a rectangle of another canvas with CopyMode.
  void CopyRect(const TRect& destination, TCanvas& source, const TRect& sourceRect);

  void TextOut(int x, int y, std::string_view text);
  // Text at (x, y), clipped to rect (whose background the brush fills unless it is clear).
  void TextRect(const TRect& rect, int x, int y, std::string_view text);
  // Text laid out in rect with the DT_ flags (word wrap with DT_WORDBREAK); returns its height.
  int DrawText(std::string_view text, TRect& rect, unsigned format);
  TSize TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
  const TNotifyEvent& OnChanging() const { return onChanging_; }
  void SetOnChanging(TNotifyEvent handler) { onChanging_ = std::move(handler); }

 protected:
  // Makes a surface for a canvas that owns one; the default has none to make.
  virtual void CreateHandle() {}
  // Lets the surface go: its tools are deselected first (and SetHandle(nullptr) is called).
  void ReleaseHandle();
  virtual void Changing();
  virtual void Changed();

 private:
  // The surface with the canvas's tools and colours selected, for drawing.
  HDC DrawingHandle();

  HDC dc_ = nullptr;
  TBrush brush_;
  TPen pen_;
  TFont font_;
  std::uint32_t copyMode_;
  TNotifyEvent onChange_;
  TNotifyEvent onChanging_;
};
