#include "animation/image_control.h"

#include <gtest/gtest.h>

#include <functional>

#include "framework/controls/headless_fixture.h"
#include "framework/controls/screen.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi.h"

namespace {

// An image control whose content and palette the test decides.
class ProbeControl : public TImageControl {
 public:
  using TImageControl::PaintContent;
  using TImageControl::SetPaletteGraphic;
  using TImageControl::TImageControl;

  HPALETTE ControlPalette() override { return palette; }

  std::function<void()> render;
  HPALETTE palette = nullptr;

 protected:
  void RenderContent() override {
    if (render) render();
  }
  void Paint() override { PaintContent(); }
};

// Counts the palette requests that reach the form.
class PaletteForm : public TForm {
 public:
  using TForm::TForm;
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_QUERYNEWPALETTE) ++queries;
    TForm::WndProc(message);
  }
  int queries = 0;
};

class ImageControl : public HeadlessTest {
 protected:
  ImageControl() {
    const PALETTEENTRY entries[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    palette_ = CreatePalette(entries);
    form_ = NewForm<PaletteForm>();
    control_ = new ProbeControl(form_);
    control_->SetParent(form_);
    control_->palette = palette_;
    control_->SetPaletteGraphic(&graphic_);
    form_->Show();  // shown forms become the active one
  }
  ~ImageControl() override {
    delete form_;
    DeleteObject(palette_);
  }

  HPALETTE palette_;
  TBitmap graphic_;
  PaletteForm* form_;
  ProbeControl* control_;
};

TEST_F(ImageControl, StartsAsAnOpaqueClickable105SquareInItsParentsColour) {
  ProbeControl control(nullptr);
  EXPECT_EQ(control.ControlStyle(),
            csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks | csReplicatable);
  EXPECT_EQ(control.Width(), 105);
  EXPECT_EQ(control.Height(), 105);
  EXPECT_TRUE(control.ParentColor());
  EXPECT_FALSE(control.PaintInProgress());
  EXPECT_EQ(control.PaletteGraphic(), nullptr);
  form_->SetColor(clRed);
  control.SetParent(form_);
  EXPECT_EQ(control.Color(), clRed);
}

TEST_F(ImageControl, PaintContentSetsTheFlagAndPutsItBackAlsoOnFailure) {
  std::vector<bool> seen;
  control_->render = [&] {
    seen.push_back(control_->PaintInProgress());
    throw EInvalidGraphic("broken");
  };
  EXPECT_THROW(control_->PaintContent(), EInvalidGraphic);
  EXPECT_FALSE(control_->PaintInProgress());

  // Nested: the inner paint leaves the flag as the outer one set it.
  bool inner = true;
  control_->render = [&] {
    seen.push_back(control_->PaintInProgress());
    if (inner) {
      inner = false;
      control_->PaintContent();
      seen.push_back(control_->PaintInProgress());
    }
  };
  control_->PaintContent();
  EXPECT_EQ(seen, (std::vector<bool>{true, true, true, true}));
  EXPECT_FALSE(control_->PaintInProgress());
}

TEST_F(ImageControl, ContentChangedInvalidatesOutsidePaintingOnly) {
  application_->ProcessMessages();
  ASSERT_FALSE(form_->PaintIsPending());
  control_->SetBounds(10, 20, 30, 40);
  application_->ProcessMessages();
  control_->ContentChanged();
  EXPECT_EQ(form_->InvalidRect(), Rect(10, 20, 40, 60));
  application_->ProcessMessages();

  int paints = 0;
  control_->render = [&] {
    ++paints;
    control_->ContentChanged();
  };
  control_->Repaint();
  application_->ProcessMessages();
  EXPECT_EQ(paints, 1);  // no repaint loop
  EXPECT_FALSE(form_->PaintIsPending());
}

TEST_F(ImageControl, PaletteRequestIsPostedOutsidePaintingAndSentDuringIt) {
  application_->ProcessMessages();
  form_->queries = 0;
  EXPECT_TRUE(control_->RequestPaletteRealization());
  EXPECT_EQ(form_->queries, 0);
  application_->ProcessMessages();
  EXPECT_EQ(form_->queries, 1);

  int duringPaint = -1;
  control_->render = [&] {
    EXPECT_TRUE(control_->RequestPaletteRealization());
    duringPaint = form_->queries;
  };
  control_->Repaint();
  EXPECT_EQ(duringPaint, 2);
}

TEST_F(ImageControl, NoPaletteRequestUnlessEveryConditionHolds) {
  application_->ProcessMessages();
  auto refused = [&] {
    const bool made = control_->RequestPaletteRealization();
    application_->ProcessMessages();
    return !made && form_->queries == 0;
  };
  form_->queries = 0;

  control_->Hide();
  EXPECT_TRUE(refused()) << "invisible";
  control_->Show();

  control_->palette = nullptr;
  EXPECT_TRUE(refused()) << "no palette";
  control_->palette = palette_;

  control_->SetPaletteGraphic(nullptr);
  EXPECT_TRUE(refused()) << "no picture";
  control_->SetPaletteGraphic(&graphic_);

  control_->IncludeState(csLoading);
  EXPECT_TRUE(refused()) << "loading";
  control_->ExcludeState(csLoading);

  Screen->SetActiveForm(nullptr);
  EXPECT_TRUE(refused()) << "inactive form";
  Screen->SetActiveForm(form_);

  TWinControl container(nullptr);
  control_->SetParent(&container);
  EXPECT_TRUE(refused()) << "not on a form";
  control_->SetParent(form_);

  EXPECT_TRUE(control_->RequestPaletteRealization());
}

TEST_F(ImageControl, ContentChangedAsksForThePaletteOnlyWithAPicture) {
  application_->ProcessMessages();
  form_->queries = 0;
  control_->ContentChanged();
  application_->ProcessMessages();
  EXPECT_EQ(form_->queries, 1);
  control_->SetPaletteGraphic(nullptr);
  control_->ContentChanged();
  application_->ProcessMessages();
  EXPECT_EQ(form_->queries, 1);
}

}  // namespace
