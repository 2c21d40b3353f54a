#include "framework/controls/notebook.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/controls/button.h"
#include "framework/controls/page.h"
#include "headless_fixture.h"

namespace {

class Notebook : public HeadlessTest {
 protected:
  Notebook() {
    notebook_ = new TNotebook(form_);
    notebook_->SetParent(form_);
    notebook_->SetBounds(0, 0, 150, 80);
    for (int i = 0; i < 4; ++i) {
      auto* page = new TPage(form_);
      page->SetParent(notebook_);
    }
    notebook_->SetOnPageChanged([this](TObject*) {
      // What the handler sees is the state the write has already made.
      seen_.push_back(notebook_->PageIndex());
      visibleWhenRaised_.push_back(Page(notebook_->PageIndex())->Visible());
    });
  }

  TPage* Page(int index) const { return notebook_->Pages()[index]; }

  TForm* form_ = NewForm();
  TNotebook* notebook_ = nullptr;
  std::vector<int> seen_;
  std::vector<bool> visibleWhenRaised_;
};

TEST_F(Notebook, WritingPageIndexShowsThatPageAloneAndRaisesTheEventInsideTheWrite) {
  EXPECT_TRUE(Page(0)->Visible());
  notebook_->SetPageIndex(2);
  EXPECT_EQ(seen_, std::vector<int>{2});
  EXPECT_EQ(visibleWhenRaised_, std::vector<bool>{true});
  EXPECT_EQ(notebook_->PageIndex(), 2);
  for (int i = 0; i < notebook_->PageCount(); ++i)
    EXPECT_EQ(Page(i)->Visible(), i == 2) << i;
  EXPECT_EQ(Page(2)->BoundsRect(), Rect(0, 0, 150, 80));
  // Brought to the front of the notebook's children.
  EXPECT_EQ(notebook_->Controls(notebook_->ControlCount() - 1), Page(2));
}

TEST_F(Notebook, EqualNegativeAndTooLargeValuesAreIgnored) {
  notebook_->SetPageIndex(1);
  seen_.clear();
  notebook_->SetPageIndex(1);
  notebook_->SetPageIndex(-1);
  notebook_->SetPageIndex(4);
  EXPECT_TRUE(seen_.empty());
  EXPECT_EQ(notebook_->PageIndex(), 1);
  EXPECT_TRUE(Page(1)->Visible());
}

TEST_F(Notebook, AHandlerMayWriteThePageIndexAgain) {
  // As the wizard does when it skips a page: the nested write runs to its end first.
  notebook_->SetOnPageChanged([this](TObject*) {
    seen_.push_back(notebook_->PageIndex());
    if (notebook_->PageIndex() == 2) notebook_->SetPageIndex(3);
  });
  notebook_->SetPageIndex(2);
  EXPECT_EQ(seen_, (std::vector<int>{2, 3}));
  EXPECT_EQ(notebook_->PageIndex(), 3);
  EXPECT_FALSE(Page(2)->Visible());
}

TEST_F(Notebook, WhileLoadingTheWriteOnlyStoresAndLoadedShowsTheStoredPage) {
  notebook_->IncludeState(csLoading);
  notebook_->SetPageIndex(3);
  notebook_->SetPageIndex(7);  // not checked while loading
  notebook_->SetPageIndex(3);
  EXPECT_TRUE(seen_.empty());
  EXPECT_TRUE(Page(0)->Visible());
  notebook_->Loaded();
  EXPECT_TRUE(seen_.empty());
  EXPECT_EQ(notebook_->PageIndex(), 3);
  for (int i = 0; i < notebook_->PageCount(); ++i)
    EXPECT_EQ(Page(i)->Visible(), i == 3) << i;
}

TEST_F(Notebook, TheFocusLeavesAPageThatIsHidden) {
  auto* onPage = new TButton(form_);
  onPage->SetParent(Page(0));
  auto* outside = new TButton(form_);
  outside->SetParent(form_);
  outside->SetTabOrder(0);
  onPage->SetFocus();
  notebook_->SetPageIndex(1);
  EXPECT_EQ(form_->ActiveControl(), outside);
}

}  // namespace
