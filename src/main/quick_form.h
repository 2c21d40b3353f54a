#pragma once

#include <string_view>

#include "framework/controls/bevel.h"
#include "framework/controls/button.h"
#include "framework/controls/form.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/notebook.h"
#include "framework/controls/radio_button.h"

class TGIFAnimator;

// The program's only window: a tour of illustrated notebook pages with "<< Back", "Next >>"
// ("Finish" on the last page) and "Close". Its controls come from the stored description
// "TQUICKFORM"; the fields below are the ones its handlers work with (the others are found by
// name). Two conditions fixed at creation shape the tour: Christmas mode (created in December:
// a greeting page opens the tour and the background shows its seasonal frame) and Init mode (the
// first argument is "init": a page to pick the clock's initial style, a closing page, and the
// choice stored in the registry on close).
class TQuickForm : public TForm {
 public:
  using TForm::TForm;
  const char* ClassName() const override { return "TQuickForm"; }

  TNotifyEvent MethodAddress(std::string_view name) override;
  bool BindField(std::string_view name, TComponent* component) override;

  // Navigation.
  TNotebook* Notebook = nullptr;
  TButton* BackBtn = nullptr;
  TButton* NextBtn = nullptr;
  TButton* CloseButton = nullptr;
  // The shared background, moved onto whichever page is shown, and the seasonal picture.
  TGIFAnimator* MainBkg = nullptr;
  TGIFAnimator* GIFAnimator = nullptr;
  // The clock-style choice on page 2.
  TRadioButton* uiTrayClock = nullptr;
  TRadioButton* uiDesktopClock = nullptr;
  TBevel* TrBevel = nullptr;
  TBevel* DBevel = nullptr;
  TLabel* Label11 = nullptr;
  TImage* TrayClockImg = nullptr;
  TImage* DesktopClockImg = nullptr;
  // Anchors: a page is reached as the parent of a control known to lie on it.
  TLabel* Label12 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label10 = nullptr;
  TImage* Image1 = nullptr;
  TImage* Image7 = nullptr;
  TImage* Image2 = nullptr;
  TImage* Image3 = nullptr;
  TImage* Image5 = nullptr;
  TImage* Image6 = nullptr;

  // Handlers, bound by name from the stored description.
  void CloseButtonClick(TObject* sender);
  void NextBtnClick(TObject* sender);
  void BackBtnClick(TObject* sender);
  void NotebookPageChanged(TObject* sender);
  void FormCreate(TObject* sender);
  void TrayClockImgClick(TObject* sender);
  void DesktopClockImgClick(TObject* sender);
  void FormClose(TObject* sender);
  void uiTrayClockClick(TObject* sender);

 private:
  // The page Next moves the background to from page; -1 when it stays where it is.
  int NextBackgroundPage(int page) const;
  // The control that marks page (one known to lie on it); none outside the notebook's pages.
  TControl* PageAnchor(int page) const;
  // Puts the background on the anchor's page (if any) beneath everything else there.
  void MoveBackground(TControl* anchor);
  void ReplaceOptionPictures();
  void SetOptionCursors();
};

// State of the program, fixed while the window is created (all but QuickForm by FormCreate) and
// only read afterwards.
extern TQuickForm* QuickForm;
extern bool ChristmasMode;  // the local month was December
extern bool InitMode;       // the first argument was exactly "init"
extern int PageCount;       // steps of the tour, as the caption counts them with Christmas mode
extern int LastIndex;       // the last page's index minus 1
