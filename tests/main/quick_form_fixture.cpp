#include "quick_form_fixture.h"

#include "framework/backends/freetype_font_rasterizer.h"
#include "framework/backends/posix/registry_file.h"
#include "main/program_entry.h"

QuickFormTest::QuickFormTest()
    : registryFile_(folder_.Path() / "config" / "registry"),
      services_(registryFile_),
      platformScope_(services_),
      backendScope_(backend_) {
  if (FontRasterizer() == nullptr) SetFontRasterizer(CreateFreeTypeFontRasterizer());
}

QuickFormTest::~QuickFormTest() {
  application_.reset();
}

void QuickFormTest::Start(const std::vector<std::string>& arguments, int month, int day) {
  services_.SetArguments(arguments);
  services_.today.month = month;
  services_.today.day = day;
  application_ = std::make_unique<TApplication>();
  form_ = StartQuickIntroduction(*application_);
  form_->Show();
  application_->ProcessMessages();
}

void QuickFormTest::Click(TControl* control) {
  const TPoint origin = control->OriginInTopLevel();
  backend_.Click(&Window(), origin.x + control->Width() / 2, origin.y + control->Height() / 2);
  application_->ProcessMessages();
}

void QuickFormTest::PressKey(int key, TShiftState shift) {
  backend_.PressKey(&Window(), key, shift);
  application_->ProcessMessages();
}

void QuickFormTest::CloseBox() {
  backend_.RequestClose(&Window());
  application_->ProcessMessages();
}

THeadlessWindow& QuickFormTest::Window() {
  return *static_cast<THeadlessWindow*>(form_->Handle()->native.get());
}

std::vector<std::string> QuickFormTest::MessageBoxes() const {
  std::vector<std::string> shown;
  for (const auto& box : backend_.MessageBoxes())
    shown.push_back(box.caption + ": " + box.text);
  return shown;
}

std::optional<std::string> QuickFormTest::StoredTrayClockValue() const {
  if (!std::filesystem::exists(registryFile_)) return std::nullopt;
  const auto value =
      TRegistryFile(registryFile_)
          .Load()
          .Value("HKEY_CURRENT_USER\\Software\\Vesperan\\Options", "ChangeTrayClock");
  if (!value) return std::nullopt;
  EXPECT_EQ(value->type, "sz");
  return value->data;
}
