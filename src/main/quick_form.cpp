#include "main/quick_form.h"

#include <iterator>
#include <string>
#include <type_traits>
#include <utility>

#include "animation/gif_animator.h"
#include "cursors/cursor_registration.h"
#include "framework/core/text.h"
#include "framework/platform/platform_services.h"
#include "framework/platform/registry.h"

TQuickForm* QuickForm = nullptr;
bool ChristmasMode = false;
bool InitMode = false;
int PageCount = 0;
int LastIndex = 0;

namespace {

constexpr const char* kNextCaption = "Next >>";
constexpr const char* kFinishCaption = "Finish";
constexpr const char* kCaptionPrefix = "Intro ";
constexpr const char* kSelectionPrefix = "Currently selected: ";
constexpr const char* kInitArgument = "init";
constexpr const char* kOptionsKey = "Software\\Vesperan\\Options";
constexpr const char* kTrayClockValue = "ChangeTrayClock";
constexpr const char* kOptionCursor = "KALDCURSOR";
constexpr const char* kTrayPicture = "/Images/tray-xp.gif";
constexpr const char* kDesktopPicture = "/Images/outoftray-xp.gif";
// The pictures above were drawn for this platform release only.
constexpr TPlatformVersion kReplacementVersion{5, 1};

constexpr int kChristmasPage = 0;
constexpr int kWelcomePage = 1;
constexpr int kSelectTrayPage = 2;
constexpr int kFirstCommonPage = 3;  // the first page after the optional ones
constexpr int kLastCommonPage = 7;   // the last page every tour shows

// The folder of the program's file: its path up to and including the last folder delimiter of the
// platform, with the platform's separator added when it ends in another one ("C:" gives "C:\");
// empty when there is none.
std::string ProgramFolder(const std::string& programPath, std::string_view delimiters) {
  const auto last = programPath.find_last_of(delimiters);
  if (last == std::string::npos) return {};
  std::string folder = programPath.substr(0, last + 1);
  if (folder.back() != delimiters.front()) folder += delimiters.front();
  return folder;
}

int StartPage() {
  return ChristmasMode ? kChristmasPage : kWelcomePage;
}

// Binds a component to one field of the form when its class fits the field's.
template <auto Field>
bool BindTo(TQuickForm& form, TComponent* component) {
  using FieldClass = std::remove_pointer_t<std::remove_reference_t<decltype(form.*Field)>>;
  auto* typed = dynamic_cast<FieldClass*>(component);
  if (typed == nullptr) return false;
  form.*Field = typed;
  return true;
}

struct TFieldBinding {
  const char* name;
  bool (*bind)(TQuickForm&, TComponent*);
};

const TFieldBinding kFieldBindings[] = {
    {"Notebook", &BindTo<&TQuickForm::Notebook>},
    {"BackBtn", &BindTo<&TQuickForm::BackBtn>},
    {"NextBtn", &BindTo<&TQuickForm::NextBtn>},
    {"CloseButton", &BindTo<&TQuickForm::CloseButton>},
    {"MainBkg", &BindTo<&TQuickForm::MainBkg>},
    {"GIFAnimator", &BindTo<&TQuickForm::GIFAnimator>},
    {"uiTrayClock", &BindTo<&TQuickForm::uiTrayClock>},
    {"uiDesktopClock", &BindTo<&TQuickForm::uiDesktopClock>},
    {"TrBevel", &BindTo<&TQuickForm::TrBevel>},
    {"DBevel", &BindTo<&TQuickForm::DBevel>},
    {"Label11", &BindTo<&TQuickForm::Label11>},
    {"TrayClockImg", &BindTo<&TQuickForm::TrayClockImg>},
    {"DesktopClockImg", &BindTo<&TQuickForm::DesktopClockImg>},
    {"Label12", &BindTo<&TQuickForm::Label12>},
    {"Label9", &BindTo<&TQuickForm::Label9>},
    {"Label10", &BindTo<&TQuickForm::Label10>},
    {"Image1", &BindTo<&TQuickForm::Image1>},
    {"Image7", &BindTo<&TQuickForm::Image7>},
    {"Image2", &BindTo<&TQuickForm::Image2>},
    {"Image3", &BindTo<&TQuickForm::Image3>},
    {"Image5", &BindTo<&TQuickForm::Image5>},
    {"Image6", &BindTo<&TQuickForm::Image6>},
};

}  // namespace

TNotifyEvent TQuickForm::MethodAddress(std::string_view name) {
  using Handler = void (TQuickForm::*)(TObject*);
  static const std::pair<const char*, Handler> kHandlers[] = {
      {"CloseButtonClick", &TQuickForm::CloseButtonClick},
      {"NextBtnClick", &TQuickForm::NextBtnClick},
      {"BackBtnClick", &TQuickForm::BackBtnClick},
      {"NotebookPageChanged", &TQuickForm::NotebookPageChanged},
      {"FormCreate", &TQuickForm::FormCreate},
      {"TrayClockImgClick", &TQuickForm::TrayClockImgClick},
      {"DesktopClockImgClick", &TQuickForm::DesktopClockImgClick},
      {"FormClose", &TQuickForm::FormClose},
      {"uiTrayClockClick", &TQuickForm::uiTrayClockClick},
  };
  for (const auto& [handlerName, handler] : kHandlers) {
    if (SameText(handlerName, name)) {
      return [this, handler = handler](TObject* sender) { (this->*handler)(sender); };
    }
  }
  return TForm::MethodAddress(name);
}

bool TQuickForm::BindField(std::string_view name, TComponent* component) {
  for (const auto& binding : kFieldBindings) {
    if (SameText(binding.name, name)) return binding.bind(*this, component);
  }
  return TForm::BindField(name, component);
}

void TQuickForm::FormCreate(TObject*) {
  TrBevel->SetVisible(uiTrayClock->Checked());
  DBevel->SetVisible(!uiTrayClock->Checked());

  ChristmasMode = Platform().LocalDateTime().month == 12;
  if (ChristmasMode) {
    GIFAnimator->SetAnimate(true);
    MainBkg->SetFrameIndex(1);
    MoveBackground(Label12);
  }

  // The stored page index is 3, so each write shows a page and raises the page-changed event
  // while the modes below are not known yet; the caption it sets is replaced on showing.
  Notebook->SetPageIndex(kWelcomePage);
  if (ChristmasMode) Notebook->SetPageIndex(kChristmasPage);

  PageCount = Notebook->PageCount();
  InitMode = Platform().ParamStr(1) == kInitArgument;
  LastIndex = PageCount - 2;
  if (!InitMode) {
    PageCount -= 2;
    LastIndex -= 1;
  }

  ReplaceOptionPictures();
  SetOptionCursors();
  uiTrayClockClick(this);
}

void TQuickForm::ReplaceOptionPictures() {
  if (!(Platform().PlatformVersion() == kReplacementVersion)) return;
  const std::string folder = ProgramFolder(Platform().ProgramPath(), Platform().FolderDelimiters());
  const std::string trayPicture = folder + kTrayPicture;
  if (Platform().FileExists(trayPicture)) TrayClockImg->Picture().LoadFromFile(trayPicture);
  const std::string desktopPicture = folder + kDesktopPicture;
  if (Platform().FileExists(desktopPicture))
    DesktopClockImg->Picture().LoadFromFile(desktopPicture);
}

void TQuickForm::SetOptionCursors() {
  TrayClockImg->SetCursor(AddCursorFromResource(kOptionCursor));
  DesktopClockImg->SetCursor(AddCursorFromResource(kOptionCursor));
  uiTrayClock->SetCursor(AddCursorFromResource(kOptionCursor));
  uiDesktopClock->SetCursor(AddCursorFromResource(kOptionCursor));
}

void TQuickForm::NotebookPageChanged(TObject*) {
  Platform().SetForegroundWindow(Handle());
  const int page = Notebook->PageIndex();
  int step = page + 1;
  if (!InitMode && page > kSelectTrayPage) --step;
  // Without the Christmas page every step and the count are one less.
  const int shift = ChristmasMode ? 0 : 1;
  SetCaption(kCaptionPrefix + std::to_string(step - shift) + "/" +
             std::to_string(PageCount - shift));
}

TControl* TQuickForm::PageAnchor(int page) const {
  TControl* const anchors[] = {Label12, Label9, TrayClockImg, Image1, Image7,
                               Image2,  Image3, Image5,       Image6};
  if (page < 0 || page >= static_cast<int>(std::size(anchors))) return nullptr;
  return anchors[page];
}

int TQuickForm::NextBackgroundPage(int page) const {
  if (!InitMode) {
    if (page == kWelcomePage) return kFirstCommonPage;
    // Page 2 is never shown outside Init mode, and page 7 is the last page there.
    if (page == kSelectTrayPage || page == kLastCommonPage) return -1;
  }
  return page + 1;
}

void TQuickForm::MoveBackground(TControl* anchor) {
  if (anchor != nullptr) MainBkg->SetParent(anchor->Parent());
  MainBkg->SendToBack();
}

void TQuickForm::NextBtnClick(TObject*) {
  if (NextBtn->Caption() == kFinishCaption) {
    Close();
    return;
  }
  const int page = Notebook->PageIndex();
  MoveBackground(PageAnchor(NextBackgroundPage(page)));
  if (page - 1 < LastIndex) Notebook->SetPageIndex(page + 1);
  if (!InitMode && Notebook->PageIndex() == kSelectTrayPage)
    Notebook->SetPageIndex(kFirstCommonPage);
  BackBtn->SetVisible(true);
  if (Notebook->PageIndex() - 1 == LastIndex) {
    NextBtn->SetCaption(kFinishCaption);
    CloseButton->SetVisible(false);
  }
}

void TQuickForm::BackBtnClick(TObject*) {
  const int page = Notebook->PageIndex();
  int target = page - 1;
  if (!InitMode && target == kSelectTrayPage) target = kWelcomePage;
  MoveBackground(PageAnchor(target));
  if (page > StartPage()) Notebook->SetPageIndex(page - 1);
  if (!InitMode && Notebook->PageIndex() == kSelectTrayPage) Notebook->SetPageIndex(kWelcomePage);
  if (Notebook->PageIndex() == StartPage()) {
    BackBtn->SetVisible(false);
    NextBtn->SetFocus();
  }
  NextBtn->SetCaption(kNextCaption);
  CloseButton->SetVisible(true);
}

void TQuickForm::uiTrayClockClick(TObject*) {
  const bool tray = uiTrayClock->Checked();
  TrBevel->SetVisible(tray);
  DBevel->SetVisible(!tray);
  Label11->SetCaption(kSelectionPrefix + (tray ? uiTrayClock : uiDesktopClock)->Caption());
}

void TQuickForm::TrayClockImgClick(TObject*) {
  uiTrayClock->SetChecked(true);
}

void TQuickForm::DesktopClockImgClick(TObject*) {
  uiDesktopClock->SetChecked(true);
}

void TQuickForm::CloseButtonClick(TObject*) {
  Close();
}

void TQuickForm::FormClose(TObject*) {
  if (!InitMode) return;
  TRegistry registry;
  // A key that can't be opened isn't reported by itself: the write below then fails, is shown,
  // and the window stays open, so that closing it again tries again.
  registry.OpenKey(kOptionsKey);
  registry.WriteString(kTrayClockValue, uiTrayClock->Checked() ? "1" : "0");
}
