#include <gtest/gtest.h>

#include <string>

#include "framework/controls/button.h"
#include "framework/controls/graphic_control.h"
#include "framework/controls/screen.h"
#include "headless_fixture.h"

namespace {

class Mouse : public HeadlessTest {
 protected:
  Mouse() {
    panel_ = new TWinControl(form_);
    panel_->SetParent(form_);
    panel_->SetBounds(10, 10, 100, 60);
    picture_ = new TGraphicControl(form_);
    picture_->SetParent(panel_);
    picture_->SetBounds(5, 5, 30, 30);
    picture_->SetOnClick([this](TObject*) { clicks_ += "picture;"; });
    picture_->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int x, int y) {
      downAt_ = {x, y};
    });
    button_ = new TButton(form_);
    button_->SetParent(panel_);
    button_->SetBounds(50, 5, 40, 20);
    button_->SetOnClick([this](TObject*) { clicks_ += "button;"; });
    form_->Show();
  }

  void Click(int x, int y) {
    backend_.Click(NativeOf(form_), x, y);
    application_->ProcessMessages();
  }

  TForm* form_ = NewForm();
  TWinControl* panel_ = nullptr;
  TGraphicControl* picture_ = nullptr;
  TButton* button_ = nullptr;
  std::string clicks_;
  TPoint downAt_{-1, -1};
};

TEST_F(Mouse, ClicksReachTheControlUnderThePointerInItsOwnCoordinates) {
  Click(20, 25);
  EXPECT_EQ(clicks_, "picture;");
  EXPECT_EQ(downAt_, (TPoint{5, 10}));
  Click(70, 20);
  EXPECT_EQ(clicks_, "picture;button;");
  EXPECT_EQ(form_->ActiveControl(), button_);
  Click(100, 65);  // the panel itself: no click event wired
  EXPECT_EQ(clicks_, "picture;button;");
}

TEST_F(Mouse, AReleaseAwayFromThePressedControlIsNoClick) {
  auto* window = NativeOf(form_);
  backend_.Inject({TInputEventKind::kMouseDown, window, 20, 25});
  backend_.Inject({TInputEventKind::kMouseMove, window, 80, 20});
  backend_.Inject({TInputEventKind::kMouseUp, window, 80, 20});
  application_->ProcessMessages();
  EXPECT_EQ(clicks_, "");
}

TEST_F(Mouse, DisabledControlsAndThoseInsideADisabledParentGetNothing) {
  picture_->SetEnabled(false);
  Click(20, 25);
  panel_->SetEnabled(false);
  Click(70, 20);
  EXPECT_EQ(clicks_, "");
}

TEST_F(Mouse, TheCursorShownIsThatOfTheControlUnderThePointer) {
  HCURSOR hand = backend_.CreateCursor({});
  Screen->SetCursors(100, hand);
  picture_->SetCursor(100);
  panel_->SetCursor(crCross);
  backend_.MoveMouse(NativeOf(form_), 20, 25);
  application_->ProcessMessages();
  EXPECT_EQ(WindowOf(form_)->Cursor(), hand);
  backend_.MoveMouse(NativeOf(form_), 100, 65);
  application_->ProcessMessages();
  EXPECT_EQ(WindowOf(form_)->Cursor(), Screen->Cursors(crCross));
  backend_.MoveMouse(NativeOf(form_), 150, 90);
  application_->ProcessMessages();
  EXPECT_EQ(WindowOf(form_)->Cursor(), Screen->Cursors(crDefault));
  // The screen cursor, while set, wins everywhere.
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(WindowOf(form_)->Cursor(), Screen->Cursors(crHourGlass));
}

}  // namespace
