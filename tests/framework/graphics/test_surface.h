#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "framework/graphics/gdi.h"

namespace graphics_test {

// A memory surface with its own bitmap of the given depth (and table), released at the end.
class Surface {
 public:
  Surface(int width, int height, int bitsPerPixel)
      : Surface(TBitmapObject::Create(width, height, bitsPerPixel)) {}
  Surface(int width, int height, int bitsPerPixel, const TColorTable& table)
      : Surface(TBitmapObject::Create(width, height, bitsPerPixel, table)) {}
  explicit Surface(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), bitmap_(bitmap) {
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC dc() const { return dc_; }
  TBitmapObject& bitmap() const { return *bitmap_; }
  // Plain RGB colour at a pixel of the bitmap (device coordinates).
  TColor At(int x, int y) const { return bitmap_->PixelColor(x, y); }
  void Fill(TColor color) { bitmap_->Fill(bitmap_->ValueOf(color)); }
  void Set(int x, int y, TColor color) { bitmap_->SetPixel(x, y, bitmap_->ValueOf(color)); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HBITMAP previous_ = nullptr;
};

// Selects a solid brush of a colour for the lifetime of the object.
class BrushScope {
 public:
  BrushScope(HDC dc, TColor color) : dc_(dc), brush_(CreateSolidBrush(color)) {
    previous_ = SelectObject(dc_, brush_);
  }
  ~BrushScope() {
    SelectObject(dc_, previous_);
    DeleteObject(brush_);
  }
  BrushScope(const BrushScope&) = delete;
  BrushScope& operator=(const BrushScope&) = delete;

 private:
  HDC dc_;
  HBRUSH brush_;
  HBRUSH previous_;
};

// Same size, depth and pixel values.
inline void ExpectSamePixels(const TBitmapObject& a, const TBitmapObject& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  ASSERT_EQ(a.BitsPerPixel(), b.BitsPerPixel());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << x << "," << y;
}

}  // namespace graphics_test
