#include <gtest/gtest.h>

#include "color_block.h"
#include "framework/controls/bevel.h"
#include "framework/controls/button.h"
#include "framework/controls/graphic_control.h"
#include "framework/controls/label.h"
#include "framework/controls/page.h"
#include "framework/controls/shape.h"
#include "headless_fixture.h"

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

std::uint32_t Argb(TColor color) {
  const TColor rgb = ColorToPlainRGB(color);
  return 0xFF000000u | static_cast<std::uint32_t>(GetRValue(rgb)) << 16 |
         static_cast<std::uint32_t>(GetGValue(rgb)) << 8 | GetBValue(rgb);
}

class Painting : public HeadlessTest {
 protected:
  TShape* AddShape(TWinControl* parent, TRect bounds, TColor fill) {
    auto* shape = new TShape(form_);
    shape->SetParent(parent);
    shape->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    shape->Brush().SetColor(fill);
    shape->Pen().SetColor(fill);
    return shape;
  }

  std::uint32_t Pixel(int x, int y) { return WindowOf(form_)->Frame().At(x, y); }

  void Paint() { application_->ProcessMessages(); }

  TForm* form_ = [this] {
    TForm* form = NewForm(100, 60);
    form->SetColor(clWhite);
    return form;
  }();
};

TEST_F(Painting, WindowlessSiblingsPaintInListOrderAndReparentingPutsAControlOnTop) {
  auto* pageA = new TPage(form_);
  pageA->SetParent(form_);
  pageA->SetBounds(0, 0, 50, 60);
  pageA->SetVisible(true);
  auto* pageB = new TPage(form_);
  pageB->SetParent(form_);
  pageB->SetBounds(50, 0, 50, 60);
  pageB->SetVisible(true);
  TShape* background = AddShape(pageA, Bounds(0, 0, 40, 40), clRed);
  AddShape(pageB, Bounds(10, 10, 20, 20), clBlue);
  form_->Show();
  Paint();
  EXPECT_EQ(Pixel(5, 5), kRed);
  EXPECT_EQ(Pixel(65, 15), kBlue);

  background->SetParent(pageB);  // appended: paints over the blue square
  Paint();
  EXPECT_EQ(Pixel(5, 5), kWhite);  // the page's own background is left where it was
  EXPECT_EQ(Pixel(65, 15), kRed);
  background->SendToBack();
  Paint();
  EXPECT_EQ(Pixel(65, 15), kBlue);
  EXPECT_EQ(Pixel(52, 2), kRed);
}

TEST_F(Painting, AWindowedChildCoversWindowlessSiblingsWhateverTheirOrder) {
  auto* panel = new TWinControl(form_);
  panel->SetParent(form_);
  panel->SetBounds(10, 10, 30, 30);
  panel->SetColor(clBlue);
  AddShape(form_, Bounds(0, 0, 60, 60), clRed);  // added after the panel
  form_->Show();
  Paint();
  EXPECT_EQ(Pixel(20, 20), kBlue);
  EXPECT_EQ(Pixel(50, 50), kRed);
}

TEST_F(Painting, InvalidateSchedulesAndUpdatePaintsAtOnce) {
  TShape* shape = AddShape(form_, Bounds(0, 0, 20, 20), clRed);
  form_->Show();
  Paint();
  const int presents = WindowOf(form_)->PresentCount();
  shape->Brush().SetColor(clBlue);  // invalidates only
  EXPECT_EQ(Pixel(5, 5), kRed);
  EXPECT_EQ(WindowOf(form_)->PresentCount(), presents);
  shape->Update();
  EXPECT_EQ(Pixel(0, 0), kRed);  // the pen keeps its colour: only the fill changed
  EXPECT_EQ(Pixel(5, 5), kBlue);
  EXPECT_EQ(WindowOf(form_)->PresentCount(), presents + 1);
}

TEST_F(Painting, RepaintingTheFormPaintsItAllAtOnce) {
  form_->Show();
  Paint();
  const int presents = WindowOf(form_)->PresentCount();
  form_->SetColor(clRed);  // schedules
  EXPECT_EQ(Pixel(50, 30), kWhite);
  form_->Repaint();
  EXPECT_EQ(Pixel(50, 30), kRed);
  EXPECT_EQ(Pixel(99, 59), kRed);
  EXPECT_EQ(WindowOf(form_)->PresentCount(), presents + 1);
}

TEST_F(Painting, AOnePixelShapeIsALineInThePenColour) {
  TShape* line = AddShape(form_, Bounds(10, 5, 1, 30), clWhite);
  line->Pen().SetColor(clBlack);
  TShape* outline = AddShape(form_, Bounds(30, 5, 20, 20), clRed);
  outline->Pen().SetColor(clBlack);
  outline->Brush().SetStyle(TBrushStyle::bsClear);
  form_->Show();
  Paint();
  EXPECT_EQ(Pixel(10, 5), kBlack);
  EXPECT_EQ(Pixel(10, 34), kBlack);
  EXPECT_EQ(Pixel(11, 20), kWhite);
  EXPECT_EQ(Pixel(30, 10), kBlack);
  EXPECT_EQ(Pixel(49, 24), kBlack);
  EXPECT_EQ(Pixel(40, 15), kWhite);  // no fill
}

TEST_F(Painting, ALoweredBevelIsDarkAboveAndLightBelow) {
  form_->SetColor(clBtnFace);
  auto* bevel = new TBevel(form_);
  bevel->SetParent(form_);
  bevel->SetBounds(10, 10, 30, 20);
  form_->Show();
  Paint();
  EXPECT_EQ(Pixel(20, 10), Argb(clBtnShadow));
  EXPECT_EQ(Pixel(10, 20), Argb(clBtnShadow));
  EXPECT_EQ(Pixel(20, 29), Argb(clBtnHighlight));
  EXPECT_EQ(Pixel(39, 20), Argb(clBtnHighlight));
}

TEST_F(Painting, TheDefaultButtonHasADarkFrameAndTheFocusedOneADottedRectangle) {
  form_->SetColor(clBtnFace);
  auto* ok = new TButton(form_);
  ok->SetParent(form_);
  ok->SetBounds(5, 5, 40, 20);
  ok->SetDefault(true);
  auto* other = new TButton(form_);
  other->SetParent(form_);
  other->SetBounds(50, 5, 40, 20);
  form_->Show();
  other->SetFocus();  // a focused button takes the default frame from the default button
  Paint();
  EXPECT_EQ(Pixel(50, 5), kBlack);
  EXPECT_EQ(Pixel(5, 5), Argb(clBtnHighlight));  // a plain raised edge
  EXPECT_EQ(Pixel(54, 9), kBlack);               // the focus rectangle's first dot
  EXPECT_EQ(Pixel(55, 9), Argb(clBtnFace));
}

}  // namespace

namespace {

// Asks its form for the pending paints while it paints, and invalidates a neighbour meanwhile.
class EagerControl : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  TControl* neighbour = nullptr;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    if (neighbour != nullptr) neighbour->Invalidate();
    Update();
  }
};

TEST_F(Painting, UpdateWhilePaintingWaitsForTheNextIdleLoop) {
  auto* eager = new EagerControl(form_);
  eager->SetParent(form_);
  eager->SetBounds(0, 0, 10, 10);
  TShape* neighbour = AddShape(form_, Bounds(20, 0, 10, 10), clRed);
  eager->neighbour = neighbour;
  form_->Show();  // paints once, and the neighbour asks again
  EXPECT_EQ(eager->paints, 1);
  EXPECT_TRUE(form_->PaintIsPending());
  eager->neighbour = nullptr;
  Paint();
  EXPECT_EQ(eager->paints, 1);  // the second paint covered only the neighbour
  EXPECT_FALSE(form_->PaintIsPending());
  EXPECT_EQ(Pixel(25, 5), kRed);
}

}  // namespace

TEST_F(Painting, WhatAnOpaqueControlCoversIsLeftToIt) {
  auto* below = new ColorBlock(form_, form_, Bounds(0, 0, 100, 60), clRed);
  auto* block = new ColorBlock(form_, form_, Bounds(10, 10, 20, 20), clBlue, csOpaque);
  form_->Show();
  Paint();
  EXPECT_EQ(Pixel(5, 5), kRed);
  EXPECT_EQ(Pixel(15, 15), kBlue);
  EXPECT_EQ(below->paints, 1);

  block->Repaint();  // its own area only: nothing under it is painted
  EXPECT_EQ(block->paints, 2);
  EXPECT_EQ(below->paints, 1);
  EXPECT_EQ(Pixel(15, 15), kBlue);

  form_->Invalidate();  // an area reaching past it is painted whole
  Paint();
  EXPECT_EQ(below->paints, 2);
  EXPECT_EQ(block->paints, 3);

  block->Hide();  // hidden, it covers nothing
  Paint();
  EXPECT_EQ(Pixel(15, 15), kRed);
}

TEST_F(Painting, AnExposedWindowIsShownFromTheBackBufferWithoutPaintingAgain) {
  auto* block = new ColorBlock(form_, form_, Bounds(0, 0, 20, 20), clBlue);
  form_->Show();
  Paint();
  const int presents = WindowOf(form_)->PresentCount();
  backend_.Inject({TInputEventKind::kExposed, WindowOf(form_)});
  Paint();
  EXPECT_EQ(WindowOf(form_)->PresentCount(), presents + 1);
  EXPECT_EQ(block->paints, 1);
  EXPECT_EQ(Pixel(5, 5), kBlue);
}
