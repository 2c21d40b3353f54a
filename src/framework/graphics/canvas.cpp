#include "framework/graphics/canvas.h"

#include "framework/core/exceptions.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/graphic.h"
#include "framework/graphics/graphics_messages.h"

TCanvas::TCanvas() : copyMode_(SRCCOPY) {}

TCanvas::~TCanvas() = default;

HDC TCanvas::Handle() {
  if (dc_ == nullptr) CreateHandle();
  if (dc_ == nullptr) throw EInvalidGraphicOperation(graphics_messages::kNoCanvas);
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  dc_ = dc;
}

void TCanvas::ReleaseHandle() {
  if (dc_ == nullptr) return;
  SelectObject(dc_, StockBrush(WHITE_BRUSH));
  SelectObject(dc_, StockPen(BLACK_PEN));
  SelectObject(dc_, StockFont(SYSTEM_FONT));
  SetHandle(nullptr);
}

HDC TCanvas::DrawingHandle() {
  HDC dc = Handle();
  SelectObject(dc, brush_.Handle());
  SelectObject(dc, pen_.Handle());
  SelectObject(dc, font_.Handle());
  SetTextColor(dc, font_.Color());
  SetBkColor(dc, brush_.Color());
  SetBkMode(dc, brush_.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
  return dc;
}

void TCanvas::Changing() {
  if (onChanging_) onChanging_(this);
}

void TCanvas::Changed() {
  if (onChange_) onChange_(this);
}

TPoint TCanvas::PenPos() {
  TPoint position;
  GetCurrentPositionEx(Handle(), &position);
  return position;
}

void TCanvas::FillRect(const TRect& rect) {
  Changing();
  ::FillRect(DrawingHandle(), rect, brush_.Handle());
  Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Changing();
  ::Rectangle(DrawingHandle(), left, top, right, bottom);
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(Handle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  ::LineTo(DrawingHandle(), x, y);
  Changed();
}

TColor TCanvas::Pixel(int x, int y) {
  return GetPixel(Handle(), x, y);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  Changing();
  ::SetPixel(DrawingHandle(), x, y, color);
  Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  Changing();
  DrawingHandle();
  graphic->Draw(*this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& destination, TCanvas& source, const TRect& sourceRect) {
  Changing();
  StretchBlt(DrawingHandle(), destination.left, destination.top, destination.Width(),
             destination.Height(), source.Handle(), sourceRect.left, sourceRect.top,
             sourceRect.Width(), sourceRect.Height(), copyMode_);
  Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  Changing();
  HDC dc = DrawingHandle();
  ::TextOut(dc, x, y, text);
  TSize extent;
  GetTextExtentPoint32(dc, text, &extent);
  MoveToEx(dc, x + extent.cx, y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
  Changing();
  HDC dc = DrawingHandle();
  const unsigned options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0u : ETO_OPAQUE);
  ExtTextOut(dc, x, y, options, &rect, text);
  Changed();
}

int TCanvas::DrawText(std::string_view text, TRect& rect, unsigned format) {
  const bool drawing = (format & DT_CALCRECT) == 0;
  if (drawing) Changing();
  const int height = ::DrawText(DrawingHandle(), text, &rect, format);
  if (drawing) Changed();
  return height;
}

TSize TCanvas::TextExtent(std::string_view text) {
  TSize size;
  GetTextExtentPoint32(DrawingHandle(), text, &size);
  return size;
}
