#pragma once

#include "framework/controls/win_control.h"
#include "framework/core/list.h"

class TPage;

// A stack of pages (TPage children) of which one, PageIndex, is shown filling the notebook.
class TNotebook : public TWinControl {
 public:
  explicit TNotebook(TComponent* owner);
  const char* ClassName() const override { return "TNotebook"; }
  static const TPropertyTable& StaticProperties();
  const TPropertyTable& Properties() const override { return StaticProperties(); }

  // The pages in the order they were added.
  const TList<TPage>& Pages() const { return pages_; }
  int PageCount() const { return pages_.Count(); }

  int PageIndex() const { return pageIndex_; }
  // While the form data is being read, only stores the value. Otherwise a value equal to the
  // current index, negative, or not below the page count is ignored; any other brings the new
  // page to the front, shows it filling the notebook, hides the old page, stores the index and
  // then raises OnPageChanged, before returning. The focus, if it was on the old page, moves to
  // the form's first control.
  void SetPageIndex(int value);

  void SetOnPageChanged(TNotifyEvent handler) { onPageChanged_ = std::move(handler); }

  void Loaded() override;

 protected:
  void ChildInserted(TControl* control) override;
  void ChildRemoved(TControl* control) override;
  void Resized() override;

 private:
  void ShowOnly(int index);

  TList<TPage> pages_;
  int pageIndex_ = 0;
  TNotifyEvent onPageChanged_;
};
