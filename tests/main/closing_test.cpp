// Closing the window: in Init mode the clock style is stored as "ChangeTrayClock" whichever way
// the window is closed; outside Init mode the registry is never touched.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "framework/platform/input_event.h"
#include "quick_form_fixture.h"

namespace {

struct CloseWay {
  const char* name;
  std::function<void(QuickFormTest&)> close;
};

class ClosingTest : public QuickFormTest {
 protected:
  // Every means of closing, each from the page where it is offered.
  std::vector<CloseWay> CloseWays() {
    return {
        {"Close button", [this](QuickFormTest&) { Click(form_->CloseButton); }},
        {"Esc", [this](QuickFormTest&) { PressKey(VK_ESCAPE); }},
        {"close box", [this](QuickFormTest&) { CloseBox(); }},
        {"Alt+F4", [this](QuickFormTest&) { PressKey(VK_F4, ssAlt); }},
        {"Finish",
         [this](QuickFormTest&) {
           while (form_->NextBtn->Caption() != "Finish")
             Click(form_->NextBtn);
           Click(form_->NextBtn);
         }},
    };
  }

  void Restart(const std::vector<std::string>& arguments) {
    application_.reset();
    std::filesystem::remove(registryFile_);
    services_.registryCalls = 0;
    Start(arguments);
  }

  void ChooseFloatingClock() {
    Click(form_->NextBtn);
    ASSERT_EQ(Page(), 2);
    Click(form_->DesktopClockImg);
    ASSERT_TRUE(form_->uiDesktopClock->Checked());
  }
};

TEST_F(ClosingTest, InInitModeEveryMeansOfClosingStoresTheChoice) {
  for (const auto& way : CloseWays()) {
    SCOPED_TRACE(way.name);
    // Closed on the first page, never having seen page 2: the stored default, the tray clock.
    Restart({"init"});
    way.close(*this);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(StoredTrayClockValue(), "1");

    Restart({"init"});
    ChooseFloatingClock();
    way.close(*this);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(StoredTrayClockValue(), "0");
    EXPECT_TRUE(MessageBoxes().empty());
  }
}

TEST_F(ClosingTest, OutsideInitModeClosingNeverTouchesTheRegistry) {
  for (const auto& way : CloseWays()) {
    SCOPED_TRACE(way.name);
    Restart({});
    way.close(*this);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(services_.registryCalls, 0);
    EXPECT_FALSE(std::filesystem::exists(registryFile_));
  }
}

TEST_F(ClosingTest, TheValueIsOneCharacterAndOtherValuesSurvive) {
  std::filesystem::create_directories(registryFile_.parent_path());
  std::ofstream(registryFile_) << "[HKEY_CURRENT_USER\\Software\\Vesperan\\Options]\n"
                                  "\"Skin\" = sz:\"Classic\"\n";
  Start({"init"});
  Click(form_->CloseButton);
  std::ifstream stored(registryFile_);
  const std::string text((std::istreambuf_iterator<char>(stored)), {});
  EXPECT_NE(text.find("\"Skin\" = sz:\"Classic\""), std::string::npos) << text;
  EXPECT_NE(text.find("\"ChangeTrayClock\" = sz:\"1\"\n"), std::string::npos) << text;
}

TEST_F(ClosingTest, AnUnwritableStoreIsReportedAndTheWindowStaysOpenUntilTheNextClose) {
  // The store's folder is taken by a file, so the key can't be created.
  const std::filesystem::path folder = registryFile_.parent_path();
  std::filesystem::create_directories(folder.parent_path());
  std::ofstream(folder) << "not a folder";
  Start({"init"});
  ChooseFloatingClock();
  Click(form_->NextBtn);
  Click(form_->CloseButton);
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{
                                "Quick Introduction: Failed to set data for 'ChangeTrayClock'."});
  EXPECT_FALSE(Ended());
  EXPECT_EQ(Page(), 3);
  EXPECT_TRUE(Window().Visible());

  std::filesystem::remove(folder);
  CloseBox();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(StoredTrayClockValue(), "0");
}

TEST_F(ClosingTest, TheSelectionShowsOnThePageAndFollowsBothPicturesAndButtons) {
  Start({"init"});
  Click(form_->NextBtn);
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected: Tray clock");
  EXPECT_TRUE(form_->TrBevel->Visible());
  EXPECT_FALSE(form_->DBevel->Visible());
  const int labelWidth = form_->Label11->Width();

  Click(form_->DesktopClockImg);
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected: Floating clock");
  EXPECT_FALSE(form_->uiTrayClock->Checked());
  EXPECT_FALSE(form_->TrBevel->Visible());
  EXPECT_TRUE(form_->DBevel->Visible());
  EXPECT_GT(form_->Label11->Width(), labelWidth) << "the label grows with its text";

  // Clicking the picture of the option already chosen changes nothing and raises no click.
  int clicks = 0;
  form_->uiDesktopClock->SetOnClick([&](TObject*) { ++clicks; });
  Click(form_->DesktopClockImg);
  EXPECT_EQ(clicks, 0);

  form_->uiDesktopClock->SetOnClick([this](TObject* sender) { form_->uiTrayClockClick(sender); });
  Click(form_->uiTrayClock);
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected: Tray clock");
  EXPECT_TRUE(form_->TrBevel->Visible());
  Click(form_->uiDesktopClock);
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected: Floating clock");
  Click(form_->TrayClockImg);
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected: Tray clock");
}

}  // namespace
