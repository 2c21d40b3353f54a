#include "framework/controls/notebook.h"

#include "framework/controls/form.h"
#include "framework/controls/page.h"
#include "framework/core/property_table.h"

TNotebook::TNotebook(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 150, 150);
}

void TNotebook::SetPageIndex(int value) {
  if (InState(csLoading)) {
    pageIndex_ = value;
    return;
  }
  if (value == pageIndex_ || value < 0 || value >= pages_.Count()) return;
  TForm* form = GetParentForm(this);
  const bool focusInside = form != nullptr && ContainsControl(form->ActiveControl());
  TPage* page = pages_[value];
  page->BringToFront();
  page->SetVisible(true);
  page->SetBounds(0, 0, ClientWidth(), ClientHeight());
  if (pageIndex_ >= 0 && pageIndex_ < pages_.Count()) pages_[pageIndex_]->SetVisible(false);
  pageIndex_ = value;
  if (focusInside && form->ActiveControl() == nullptr) form->SelectFirst();
  if (onPageChanged_) onPageChanged_(this);
}

void TNotebook::ShowOnly(int index) {
  for (int i = 0; i < pages_.Count(); ++i) {
    pages_[i]->SetBounds(0, 0, ClientWidth(), ClientHeight());
    pages_[i]->SetVisible(i == index);
  }
}

void TNotebook::Loaded() {
  TWinControl::Loaded();
  ShowOnly(pageIndex_);
}

void TNotebook::ChildInserted(TControl* control) {
  auto* page = dynamic_cast<TPage*>(control);
  if (page == nullptr) return;
  pages_.Add(page);
  page->SetBounds(0, 0, ClientWidth(), ClientHeight());
  page->SetVisible(pages_.Count() - 1 == pageIndex_);
}

void TNotebook::ChildRemoved(TControl* control) {
  // Compared by address: a page being destroyed is no longer a TPage.
  for (int i = 0; i < pages_.Count(); ++i) {
    if (static_cast<TControl*>(pages_[i]) == control) {
      pages_.Delete(i);
      return;
    }
  }
}

void TNotebook::Resized() {
  for (TPage* page : pages_)
    page->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

const TPropertyTable& TNotebook::StaticProperties() {
  static const TPropertyTable table =
      TPropertyTable(&TWinControl::StaticProperties())
          .Integer("PageIndex", &TNotebook::PageIndex, &TNotebook::SetPageIndex, 0)
          .Event("OnPageChanged", &TNotebook::SetOnPageChanged);
  return table;
}
