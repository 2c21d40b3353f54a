#include <gtest/gtest.h>

#include "framework/controls/graphic_control.h"
#include "headless_fixture.h"

namespace {

class ControlTree : public HeadlessTest {
 protected:
  // The children of parent by name, in paint order.
  static std::string Order(const TWinControl* parent) {
    std::string names;
    for (int i = 0; i < parent->ControlCount(); ++i) {
      if (!names.empty()) names += ' ';
      names += parent->Controls(i)->Name();
    }
    return names;
  }

  template <typename T>
  T* Add(const char* name, TWinControl* parent, TRect bounds = Bounds(0, 0, 10, 10)) {
    auto* control = new T(form_);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    return control;
  }

  TForm* form_ = NewForm();
};

TEST_F(ControlTree, WindowedChildrenComeAfterWindowlessOnesWhateverTheOrderOfInsertion) {
  Add<TWinControl>("panel", form_);
  Add<TGraphicControl>("first", form_);
  Add<TGraphicControl>("second", form_);
  EXPECT_EQ(Order(form_), "first second panel");
}

TEST_F(ControlTree, ReparentingAppendsAndSendToBackMovesToTheStart) {
  auto* pageA = Add<TWinControl>("pageA", form_);
  auto* pageB = Add<TWinControl>("pageB", form_);
  auto* background = Add<TGraphicControl>("background", pageA);
  Add<TGraphicControl>("label", pageB);
  Add<TGraphicControl>("picture", pageB);

  background->SetParent(pageB);
  EXPECT_EQ(Order(pageA), "");
  EXPECT_EQ(Order(pageB), "label picture background");
  EXPECT_EQ(background->Parent(), pageB);

  background->SendToBack();
  EXPECT_EQ(Order(pageB), "background label picture");
  background->BringToFront();
  EXPECT_EQ(Order(pageB), "label picture background");
}

TEST_F(ControlTree, TheTopmostVisibleChildIsFoundAtAPoint) {
  auto* below = Add<TGraphicControl>("below", form_, Bounds(0, 0, 50, 50));
  auto* above = Add<TGraphicControl>("above", form_, Bounds(10, 10, 50, 50));
  auto* windowed = Add<TWinControl>("windowed", form_, Bounds(40, 40, 20, 20));
  EXPECT_EQ(form_->ControlAtPos({5, 5}, false), below);
  EXPECT_EQ(form_->ControlAtPos({20, 20}, false), above);
  EXPECT_EQ(form_->ControlAtPos({45, 45}, false), windowed);  // windowed lies above both
  above->SetVisible(false);
  EXPECT_EQ(form_->ControlAtPos({20, 20}, false), below);
  below->SetEnabled(false);
  EXPECT_EQ(form_->ControlAtPos({20, 20}, false), nullptr);
  EXPECT_EQ(form_->ControlAtPos({20, 20}, true), below);
}

TEST_F(ControlTree, AParentTakesItsChildrenWithItWhoeverOwnsThem) {
  auto* panel = Add<TWinControl>("panel", form_);
  Add<TGraphicControl>("inner", panel);
  ASSERT_NE(form_->FindComponent("inner"), nullptr);
  delete panel;
  EXPECT_EQ(form_->FindComponent("inner"), nullptr);
  EXPECT_EQ(form_->ControlCount(), 0);
}

TEST_F(ControlTree, ParentColorFollowsTheParentUntilAColourIsSet) {
  auto* panel = Add<TWinControl>("panel", form_);
  auto* child = Add<TGraphicControl>("child", panel);
  panel->SetColor(clWhite);
  EXPECT_EQ(child->Color(), clWhite);
  child->SetColor(clNavy);
  EXPECT_FALSE(child->ParentColor());
  panel->SetColor(clSilver);
  EXPECT_EQ(child->Color(), clNavy);
  child->SetParentColor(true);
  EXPECT_EQ(child->Color(), clSilver);
}

TEST_F(ControlTree, ChangesOfAShownControlScheduleARepaintOfItsAreaOnly) {
  auto* panel = Add<TWinControl>("panel", form_, Bounds(20, 10, 100, 50));
  auto* child = Add<TGraphicControl>("child", panel, Bounds(5, 5, 10, 10));
  form_->Show();
  application_->ProcessMessages();
  EXPECT_FALSE(form_->PaintIsPending());

  child->Invalidate();
  EXPECT_EQ(form_->InvalidRect(), Bounds(25, 15, 10, 10));
  child->SetBounds(10, 5, 10, 10);
  EXPECT_EQ(form_->InvalidRect(), Bounds(25, 15, 15, 10));
  application_->ProcessMessages();
  EXPECT_FALSE(form_->PaintIsPending());

  // Nothing of a hidden container is painted.
  panel->SetVisible(false);
  application_->ProcessMessages();
  child->Invalidate();
  EXPECT_FALSE(form_->PaintIsPending());
}

TEST_F(ControlTree, ScalingMovesTheFarEdgesSoNeighboursKeepTouching) {
  auto* left = Add<TGraphicControl>("left", form_, Bounds(0, 0, 83, 10));
  auto* right = Add<TGraphicControl>("right", form_, Bounds(83, 0, 82, 10));
  form_->ChangeScale(120, 96);
  EXPECT_EQ(left->Left() + left->Width(), right->Left());
  EXPECT_EQ(right->Left(), 104);  // 83 * 1.25 = 103.75
}

}  // namespace
