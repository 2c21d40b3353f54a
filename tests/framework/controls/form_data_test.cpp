#include <gtest/gtest.h>

#include <filesystem>

#include "framework/controls/bevel.h"
#include "framework/controls/button.h"
#include "framework/controls/notebook.h"
#include "framework/controls/page.h"
#include "framework/controls/screen.h"
#include "framework/core/text.h"
#include "headless_fixture.h"
#include "support/golden_picture.h"

namespace {

// The window of forms/golden.qform; its controls are found by name.
class TGoldenForm : public TForm {
 public:
  using TForm::TForm;
  const char* ClassName() const override { return "TGoldenForm"; }
  template <typename T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(FindComponent(name));
  }
};

// A form class whose description the program does not have.
class TMissingForm : public TForm {
 public:
  using TForm::TForm;
  const char* ClassName() const override { return "TMissingForm"; }
};

const std::filesystem::path kGolden =
    std::filesystem::path(QI_CONTROLS_GOLDEN_DIR) / "golden_form.png";

using FormData = HeadlessTest;

TEST_F(FormData, ASmallFormReadFromFormDataRendersAsTheGoldenPicture) {
  TGoldenForm* form = nullptr;
  application_->CreateForm(form);
  ASSERT_NE(form, nullptr);
  form->Show();
  application_->ProcessMessages();
  ExpectGoldenPicture(PictureOf(WindowOf(form)->Frame()), kGolden);
}

TEST_F(FormData, TheStoredValuesReachTheControls) {
  TGoldenForm* form = nullptr;
  application_->CreateForm(form);
  auto* book = form->Find<TNotebook>("Book");
  ASSERT_NE(book, nullptr);
  EXPECT_EQ(book->PageCount(), 2);
  EXPECT_EQ(book->PageIndex(), 1);
  EXPECT_FALSE(book->Pages()[0]->Visible());
  EXPECT_TRUE(book->Pages()[1]->Visible());
  EXPECT_EQ(book->Pages()[1]->Caption(), "Second");
  EXPECT_EQ(form->Find<TBevel>("Groove")->Shape(), bsFrame);
  EXPECT_TRUE(form->Find<TButton>("Ok")->Default());
  EXPECT_EQ(form->ClientWidth(), 160);
  EXPECT_FALSE(form->InState(csLoading));
}

TEST_F(FormData, OnAScreenOf120PixelsPerInchPositionsSizesAndFontsScale) {
  Screen->SetPixelsPerInch(120);
  TGoldenForm* form = nullptr;
  application_->CreateForm(form);
  EXPECT_EQ(form->ClientWidth(), 200);
  EXPECT_EQ(form->ClientHeight(), 125);
  EXPECT_EQ(form->PixelsPerInch(), 120);
  auto* ok = form->Find<TButton>("Ok");
  EXPECT_EQ(ok->BoundsRect(), Rect(138, 75, 195, 113));  // 110, 60, 156, 90 times 1.25
  EXPECT_EQ(ok->Font().Height(), -14);                   // -11 times 1.25, rounded
  auto* book = form->Find<TNotebook>("Book");
  EXPECT_EQ(book->Pages()[1]->BoundsRect(), Rect(0, 0, book->Width(), book->Height()));
}

TEST_F(FormData, AFormWithoutItsDescriptionIsNotCreated) {
  TMissingForm* form = nullptr;
  try {
    application_->CreateForm(form);
    FAIL() << "created without form data";
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "Resource TMISSINGFORM not found");
  }
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(application_->MainForm(), nullptr);
}

}  // namespace
