#include <gtest/gtest.h>

#include <array>

#include "framework/controls/graphic_control.h"
#include "framework/controls/message_queue.h"
#include "framework/controls/screen.h"
#include "framework/core/memory_stream.h"
#include "framework/graphics/palette.h"
#include "headless_fixture.h"

namespace {

// A windowless control that shows a palette, as a picture control does.
class PaletteControl : public TGraphicControl {
 public:
  PaletteControl(TComponent* owner, HPALETTE palette) : TGraphicControl(owner), palette_(palette) {}
  HPALETTE ControlPalette() override {
    ++queried;
    return palette_;
  }
  int queried = 0;

 private:
  HPALETTE palette_;
};

class Forms : public HeadlessTest {
 protected:
  TForm* form_ = NewForm();
};

TEST_F(Forms, APaletteQueryRealisesTheFirstPaletteFoundInTheFormsOwnOrder) {
  const std::array<PALETTEENTRY, 2> entries{{{255, 0, 0, 0}, {0, 0, 255, 0}}};
  HPALETTE palette = CreatePalette(entries);
  auto* panel = new TWinControl(form_);
  panel->SetParent(form_);
  auto* none = new PaletteControl(form_, nullptr);
  none->SetParent(form_);
  auto* inner = new PaletteControl(form_, palette);
  inner->SetParent(panel);
  auto* later = new PaletteControl(form_, palette);
  later->SetParent(form_);
  // Windowless children of the form come before the panel, so "later" is found first.
  EXPECT_EQ(SendMessage(form_->Handle(), WM_QUERYNEWPALETTE), 1);
  EXPECT_EQ(none->queried, 1);
  EXPECT_EQ(later->queried, 2);  // once to find it, once to realise it
  EXPECT_EQ(inner->queried, 0);
  delete later;
  EXPECT_EQ(form_->Perform(WM_QUERYNEWPALETTE), 1);
  EXPECT_EQ(inner->queried, 2);
  delete inner;
  EXPECT_EQ(form_->Perform(WM_QUERYNEWPALETTE), 0);
  DeleteObject(palette);
}

TEST_F(Forms, TheIconGoesToTheWindowAsPixels) {
  // A 2 x 2 icon, 32 bits per pixel without alpha: red, black over blue, white, with both
  // right-hand pixels masked. Masked black lets the background through; masked white would
  // invert it, which a colour picture cannot, and shows black.
  const std::uint8_t ico[] = {
      0, 0, 1, 0, 1, 0,                                   // directory: an icon file, one image
      2, 2, 0, 0, 1, 0, 32, 0, 64, 0, 0, 0, 22, 0, 0, 0,  // 2 x 2, 32 bits, 64
                                                          // bytes at 22
      40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0,   // header: height twice
                                                          // the image's
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF,
      0xFF, 0xFF, 0,              // bottom row: blue, white
      0, 0, 0xFF, 0, 0, 0, 0, 0,  // top row: red, black
      0x40, 0, 0, 0,              // AND mask, bottom row: the second pixel masked
      0x40, 0, 0, 0,              // top row: the second pixel masked
  };
  TMemoryStream stream(std::vector<std::uint8_t>(std::begin(ico), std::end(ico)));
  form_->Icon().LoadFromStream(stream);
  const TArgbImage& icon = WindowOf(form_)->Icon();
  ASSERT_EQ(icon.width, 2);
  ASSERT_EQ(icon.height, 2);
  EXPECT_EQ(icon.At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(icon.At(1, 0) >> 24, 0u);  // masked: see-through
  EXPECT_EQ(icon.At(0, 1), 0xFF0000FFu);
  EXPECT_EQ(icon.At(1, 1), 0xFF000000u);
}

TEST_F(Forms, ASecondaryFormClosedWithCaFreeIsFreedByTheLoop) {
  TForm* second = NewForm();
  second->SetName("Second");
  second->SetOnClose([](TObject*, TCloseAction& action) { action = caFree; });
  second->Show();
  second->Close();
  EXPECT_NE(application_->FindComponent("Second"), nullptr);
  application_->ProcessMessages();
  EXPECT_EQ(application_->FindComponent("Second"), nullptr);
  EXPECT_FALSE(application_->Terminated());
}

TEST_F(Forms, ShowingMakesTheFormActiveAndHidingGivesTheActiveStateUp) {
  form_->Show();
  EXPECT_EQ(Screen->ActiveForm(), form_);
  EXPECT_TRUE(form_->Active());
  EXPECT_GE(WindowOf(form_)->BringToFrontCount(), 1);
  form_->Hide();
  EXPECT_EQ(Screen->ActiveForm(), nullptr);
  EXPECT_FALSE(form_->Active());
  EXPECT_FALSE(WindowOf(form_)->Visible());
}

}  // namespace
