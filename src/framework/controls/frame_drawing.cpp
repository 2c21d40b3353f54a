#include "framework/controls/frame_drawing.h"

void FillSolid(TCanvas& canvas, const TRect& rect, TColor color) {
  if (rect.IsEmpty()) return;
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect(rect);
}

TRect InflateRect(const TRect& rect, int dx, int dy) {
  return {rect.left - dx, rect.top - dy, rect.right + dx, rect.bottom + dy};
}

void DrawEdge3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight) {
  if (rect.IsEmpty()) return;
  FillSolid(canvas, {rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
  FillSolid(canvas, {rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
  FillSolid(canvas, {rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
  FillSolid(canvas, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
  rect = InflateRect(rect, -1, -1);
}

void DrawFrame(TCanvas& canvas, TRect& rect, TColor color) {
  DrawEdge3D(canvas, rect, color, color);
}

void DrawFocusRect(TCanvas& canvas, const TRect& rect) {
  if (rect.IsEmpty()) return;
  // Walk the outline once, clockwise, so the dots keep their rhythm round the corners.
  int step = 0;
  auto dot = [&](int x, int y) {
    if (step++ % 2 == 0) canvas.SetPixel(x, y, clBlack);
  };
  for (int x = rect.left; x < rect.right; ++x)
    dot(x, rect.top);
  for (int y = rect.top + 1; y < rect.bottom; ++y)
    dot(rect.right - 1, y);
  for (int x = rect.right - 2; x >= rect.left; --x)
    dot(x, rect.bottom - 1);
  for (int y = rect.bottom - 2; y > rect.top; --y)
    dot(rect.left, y);
}
