#include <gtest/gtest.h>

#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "headless_fixture.h"

namespace {

class LabelsAndImages : public HeadlessTest {
 protected:
  TLabel* NewLabel(const std::string& caption) {
    auto* label = new TLabel(form_);
    label->SetParent(form_);
    label->SetBounds(10, 10, 65, 17);
    label->Font().SetName("Verdana");
    label->Font().SetHeight(-11);
    label->SetCaption(caption);
    return label;
  }

  // A picture of the given size.
  static void SetPicture(TImage* image, int width, int height) {
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    image->Picture().SetGraphic(&bitmap);
  }

  TForm* form_ = NewForm(300, 200);
};

TEST_F(LabelsAndImages, AnAutoSizeLabelGrowsWithItsText) {
  TLabel* label = NewLabel("Currently selected:");
  const int width = label->Width();
  EXPECT_GT(width, 0);
  EXPECT_GE(label->Height(), 11);
  label->SetCaption("Currently selected: Floating clock");
  EXPECT_GT(label->Width(), width);
  EXPECT_EQ(label->Left(), 10);  // keeps its top-left corner
  label->SetCaption("");
  EXPECT_GT(label->Height(), 0);  // an empty label keeps one line's height
}

TEST_F(LabelsAndImages, AWrappingLabelBreaksAtItsWidthAndAFixedOneKeepsItsSize) {
  TLabel* label = NewLabel("one two three four five six seven eight nine ten");
  const int oneLine = label->Height();
  label->SetWidth(60);
  label->SetWordWrap(true);
  EXPECT_LE(label->Width(), 60);
  EXPECT_GT(label->Height(), 2 * oneLine);

  TLabel* fixed = NewLabel("short");
  fixed->SetAutoSize(false);
  fixed->SetBounds(10, 40, 200, 50);
  fixed->SetCaption("a much longer text than before");
  EXPECT_EQ(fixed->BoundsRect(), Bounds(10, 40, 200, 50));
}

TEST_F(LabelsAndImages, WhileLoadingALabelKeepsItsStoredSize) {
  TLabel* label = NewLabel("x");
  label->IncludeState(csLoading);
  label->SetBounds(10, 10, 121, 13);
  label->SetCaption("Click Next to start, and a lot more text");
  EXPECT_EQ(label->Width(), 121);
  label->Loaded();
  EXPECT_NE(label->Width(), 121);
}

TEST_F(LabelsAndImages, ATransparentLabelLeavesItsBackgroundAndDrawsItsText) {
  form_->SetColor(clWhite);
  TLabel* label = NewLabel("MMMM");
  label->SetTransparent(true);
  label->SetColor(clRed);
  form_->Show();
  application_->ProcessMessages();
  int dark = 0;
  for (int y = label->Top(); y < label->Top() + label->Height(); ++y) {
    for (int x = label->Left(); x < label->Left() + label->Width(); ++x) {
      const std::uint32_t pixel = WindowOf(form_)->Frame().At(x, y);
      EXPECT_NE(pixel, 0xFFFF0000u);
      if ((pixel & 0xFF) < 0x80) ++dark;
    }
  }
  EXPECT_GT(dark, 10);
}

TEST_F(LabelsAndImages, AnAutoSizeImageTakesThePicturesSizeWhenThePictureChanges) {
  auto* image = new TImage(form_);
  image->SetParent(form_);
  image->SetBounds(109, 136, 148, 60);
  image->SetAutoSize(true);
  SetPicture(image, 120, 40);
  EXPECT_EQ(image->BoundsRect(), Bounds(109, 136, 120, 40));

  auto* fixed = new TImage(form_);
  fixed->SetBounds(143, 150, 240, 138);
  SetPicture(fixed, 241, 138);
  EXPECT_EQ(fixed->BoundsRect(), Bounds(143, 150, 240, 138));
}

TEST_F(LabelsAndImages, ACentredPictureLargerThanItsControlIsCutEvenly) {
  form_->SetColor(clWhite);
  auto* image = new TImage(form_);
  image->SetParent(form_);
  image->SetBounds(0, 0, 10, 10);
  image->SetCenter(true);
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  bitmap.Canvas().Brush().SetColor(clBlue);
  bitmap.Canvas().FillRect(Rect(0, 0, 20, 20));
  bitmap.Canvas().Brush().SetColor(clRed);
  bitmap.Canvas().FillRect(Rect(5, 5, 15, 15));  // the middle, which the control shows
  image->Picture().SetGraphic(&bitmap);
  form_->Show();
  application_->ProcessMessages();
  EXPECT_EQ(WindowOf(form_)->Frame().At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(WindowOf(form_)->Frame().At(9, 9), 0xFFFF0000u);
  EXPECT_EQ(WindowOf(form_)->Frame().At(10, 10), 0xFFFFFFFFu);
}

TEST_F(LabelsAndImages, ClickingAPictureRaisesItsClick) {
  auto* image = new TImage(form_);
  image->SetParent(form_);
  image->SetBounds(20, 20, 30, 30);
  int clicks = 0;
  image->SetOnClick([&](TObject*) { ++clicks; });
  form_->Show();
  backend_.Click(NativeOf(form_), 25, 25);
  application_->ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
