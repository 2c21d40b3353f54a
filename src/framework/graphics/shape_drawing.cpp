#include "framework/graphics/shape_drawing.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/graphics/device_context.h"

namespace {

// Fills a rectangle in bitmap pixels with one physical value, within the drawable area.
void FillDevice(TDeviceContext& dc, const TRect& rect, std::uint32_t value) {
  const TRect area = dc.DrawableArea();
  const int left = std::max(rect.left, area.left), right = std::min(rect.right, area.right);
  const int top = std::max(rect.top, area.top), bottom = std::min(rect.bottom, area.bottom);
  if (left >= right || top >= bottom) return;
  const std::vector<std::uint32_t> row(static_cast<std::size_t>(right - left), value);
  for (int y = top; y < bottom; ++y)
    dc.Bitmap().WritePixels(y, left, right - left, row.data());
}

void FillLogical(TDeviceContext& dc, const TRect& rect, TColor color) {
  FillDevice(dc, dc.ToDevice(rect), dc.PhysicalColor(color));
}

bool Drawable(const TDeviceContext& dc, TPoint device) {
  const TRect area = dc.DrawableArea();
  return device.x >= area.left && device.x < area.right && device.y >= area.top &&
         device.y < area.bottom;
}

}  // namespace

TColor GetPixel(HDC dc, int x, int y) {
  if (dc == nullptr) return CLR_INVALID;
  const TPoint device = dc->ToDevice(TPoint{x, y});
  if (!Drawable(*dc, device)) return CLR_INVALID;
  return dc->Bitmap().PixelColor(device.x, device.y);
}

TColor SetPixel(HDC dc, int x, int y, TColor color) {
  if (dc == nullptr) return CLR_INVALID;
  const TPoint device = dc->ToDevice(TPoint{x, y});
  if (!Drawable(*dc, device)) return CLR_INVALID;
  const std::uint32_t value = dc->PhysicalColor(color);
  dc->Bitmap().SetPixel(device.x, device.y, value);
  return dc->Bitmap().ColorOf(value);
}

int FillRect(HDC dc, const TRect& rect, HBRUSH brush) {
  if (dc == nullptr || brush == nullptr) return 0;
  if (brush->Style() != BS_NULL) FillLogical(*dc, rect, brush->Color());
  return 1;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (dc == nullptr) return false;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const TPenObject& pen = *dc->Current().pen.Get();
  const TBrushObject& brush = *dc->Current().brush.Get();
  if (pen.Style() == PS_NULL) {
    if (brush.Style() != BS_NULL)
      FillLogical(*dc, {left, top, right - 1, bottom - 1}, brush.Color());
    return true;
  }
  const int w = std::min({pen.Width(), (right - left + 1) / 2, (bottom - top + 1) / 2});
  if (brush.Style() != BS_NULL) {
    FillLogical(*dc, {left + w, top + w, right - w, bottom - w}, brush.Color());
  }
  FillLogical(*dc, {left, top, right, top + w}, pen.Color());
  FillLogical(*dc, {left, bottom - w, right, bottom}, pen.Color());
  FillLogical(*dc, {left, top + w, left + w, bottom - w}, pen.Color());
  FillLogical(*dc, {right - w, top + w, right, bottom - w}, pen.Color());
  return true;
}

bool MoveToEx(HDC dc, int x, int y, TPoint* previous) {
  if (dc == nullptr) return false;
  if (previous != nullptr) *previous = dc->Current().penPosition;
  dc->Current().penPosition = {x, y};
  return true;
}

bool GetCurrentPositionEx(HDC dc, TPoint* position) {
  if (dc == nullptr || position == nullptr) return false;
  *position = dc->Current().penPosition;
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  if (dc == nullptr) return false;
  const TPoint from = dc->Current().penPosition;
  dc->Current().penPosition = {x, y};
  const TPenObject& pen = *dc->Current().pen.Get();
  if (pen.Style() == PS_NULL) return true;
  const std::uint32_t value = dc->PhysicalColor(pen.Color());
  const int half = (pen.Width() - 1) / 2;
  // Bresenham's walk; each step stamps a square of the pen's width.
  const int dx = std::abs(x - from.x), dy = -std::abs(y - from.y);
  const int stepX = from.x < x ? 1 : -1, stepY = from.y < y ? 1 : -1;
  int error = dx + dy;
  TPoint at = from;
  while (at.x != x || at.y != y) {
    const TPoint device = dc->ToDevice(at);
    FillDevice(*dc, Bounds(device.x - half, device.y - half, pen.Width(), pen.Width()), value);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      at.x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      at.y += stepY;
    }
  }
  return true;
}
