#include "animation/paint_parent_background.h"

#include <gtest/gtest.h>

#include "framework/controls/color_block.h"
#include "framework/controls/control_canvas.h"
#include "framework/controls/graphic_control.h"
#include "framework/controls/win_control.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi.h"

namespace {

// A container whose own painting is a blue left half (and whose background, never wanted in the
// buffer, is yellow); windowed children of this class paint themselves the same way.
class Panel : public TWinControl {
 public:
  explicit Panel(TWinControl* parent, TRect bounds) : TWinControl(nullptr) {
    SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    SetColor(clYellow);
    SetParent(parent);
  }
  void PaintWindow(HDC dc) override {
    TControlCanvas canvas(dc);
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(Rect(0, 0, Width() / 2, Height()));
  }
};

class PaintParentBackgroundTest : public ::testing::Test {
 protected:
  PaintParentBackgroundTest() {
    buffer_.SetSize(40, 40);
    buffer_.Canvas().Brush().SetColor(clWhite);
    buffer_.Canvas().FillRect(Rect(0, 0, 40, 40));
  }
  TColor At(int x, int y) { return buffer_.Canvas().Pixel(x, y); }

  Panel parent_{nullptr, Rect(0, 0, 100, 100)};
  TBitmap buffer_;
};

TEST_F(PaintParentBackgroundTest, WithoutAParentNothingIsDrawn) {
  ColorBlock orphan(nullptr, nullptr, Rect(0, 0, 40, 40), clRed);
  PaintParentBackground(orphan, buffer_.Canvas());
  EXPECT_EQ(At(0, 0), clWhite);
  EXPECT_EQ(orphan.paints, 0);
}

TEST_F(PaintParentBackgroundTest, TheFirstChildGetsOnlyTheParentsOwnPainting) {
  ColorBlock control(nullptr, &parent_, Rect(30, 10, 70, 50), clRed);
  PaintParentBackground(control, buffer_.Canvas());
  EXPECT_EQ(At(0, 0), clBlue);    // parent x 30: its painted half
  EXPECT_EQ(At(19, 39), clBlue);  // parent x 49
  EXPECT_EQ(At(20, 0), clWhite);  // parent x 50: no background erase
  EXPECT_EQ(control.paints, 0);
}

TEST_F(PaintParentBackgroundTest, LowerVisibleOverlappingSiblingsPaintAtTheirPlace) {
  ColorBlock below(nullptr, &parent_, Rect(60, 0, 80, 20), clLime);
  ColorBlock hidden(nullptr, &parent_, Rect(30, 10, 70, 50), clFuchsia);
  hidden.Hide();
  ColorBlock apart(nullptr, &parent_, Rect(0, 80, 10, 90), clAqua);
  ColorBlock control(nullptr, &parent_, Rect(30, 10, 70, 50), clRed);
  ColorBlock above(nullptr, &parent_, Rect(30, 10, 70, 50), clMaroon);
  Panel windowed(&parent_, Rect(30, 10, 70, 50));

  PaintParentBackground(control, buffer_.Canvas());

  EXPECT_EQ(At(30, 0), clLime);    // parent (60, 10) lies in the lower sibling
  EXPECT_EQ(At(30, 9), clLime);    // its last row, parent y 19
  EXPECT_EQ(At(30, 10), clWhite);  // below it: neither parent nor sibling paints there
  EXPECT_EQ(At(0, 0), clBlue);
  EXPECT_EQ(below.paints, 1);
  EXPECT_EQ(hidden.paints, 0);
  EXPECT_EQ(apart.paints, 0);
  EXPECT_EQ(control.paints, 0);
  EXPECT_EQ(above.paints, 0);
}

TEST_F(PaintParentBackgroundTest, WindowedSiblingsBelowDoNotShow) {
  Panel windowed(&parent_, Rect(0, 0, 100, 100));
  ColorBlock control(nullptr, &parent_, Rect(50, 0, 90, 40), clRed);
  // Windowed children always lie above windowless ones; even so it is never painted.
  PaintParentBackground(control, buffer_.Canvas());
  EXPECT_EQ(At(0, 0), clWhite);
}

TEST_F(PaintParentBackgroundTest, KeepsTheSurfaceStateItWasGiven) {
  ColorBlock below(nullptr, &parent_, Rect(60, 10, 100, 50), clLime);
  ColorBlock control(nullptr, &parent_, Rect(60, 10, 100, 50), clRed);
  HDC dc = buffer_.Canvas().Handle();
  SetViewportOrgEx(dc, 5, 5, nullptr);
  PaintParentBackground(control, buffer_.Canvas());
  TPoint origin;
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin, (TPoint{5, 5}));
  SetViewportOrgEx(dc, 0, 0, nullptr);
  EXPECT_EQ(At(4, 4), clWhite);  // drawn relative to the origin it was given
  EXPECT_EQ(At(5, 5), clLime);
}

}  // namespace
