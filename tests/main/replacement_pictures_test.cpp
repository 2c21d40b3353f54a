// On platform version 5.1 only, the two option pictures are replaced by files from an "Images"
// folder beside the program, when they are there.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "quick_form_fixture.h"

namespace {

// A GIF of our own artwork, 26 x 28, in place of a replacement picture.
const std::filesystem::path kSmallGif = QI_RESOURCES_DIR "/pictures/bullet.gif";

class ReplacementPicturesTest : public QuickFormTest {
 protected:
  ReplacementPicturesTest() {
    services_.programPath = (folder_.Path() / "bin" / "quick-intro").string();
    images_ = folder_.Path() / "bin" / "Images";
  }

  void Put(const std::string& name, const std::filesystem::path& source) {
    std::filesystem::create_directories(images_);
    std::filesystem::copy_file(source, images_ / name);
  }
  void PutBytes(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(images_);
    std::ofstream(images_ / name, std::ios::binary) << bytes;
  }

  // The paths the window tries, as the folder text is cut at the last "/" and "/Images/..." is
  // appended to it directly.
  std::vector<std::string> PathsTried() const {
    const std::string folder = (folder_.Path() / "bin").string() + "/";
    return {folder + "/Images/tray-xp.gif", folder + "/Images/outoftray-xp.gif"};
  }

  void ExpectStoredPictures() {
    EXPECT_EQ(form_->TrayClockImg->Width(), 148);
    EXPECT_EQ(form_->TrayClockImg->Height(), 60);
    EXPECT_EQ(form_->DesktopClockImg->Width(), 148);
    EXPECT_EQ(form_->DesktopClockImg->Height(), 60);
  }

  std::filesystem::path images_;
};

TEST_F(ReplacementPicturesTest, OnVersion51BothPicturesAreReplacedAndTheControlsTakeTheirSize) {
  services_.version = {5, 1};
  Put("tray-xp.gif", kSmallGif);
  Put("outoftray-xp.gif", kSmallGif);
  Start({"init"});
  EXPECT_EQ(services_.filesAsked, PathsTried());
  // Auto size keeps the top-left corner.
  EXPECT_EQ(form_->TrayClockImg->BoundsRect(), Bounds(109, 136, 26, 28));
  EXPECT_EQ(form_->DesktopClockImg->BoundsRect(), Bounds(300, 135, 26, 28));
  EXPECT_TRUE(MessageBoxes().empty());
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected: Tray clock");
}

TEST_F(ReplacementPicturesTest, OnVersion51WithoutTheFilesTheStoredPicturesStay) {
  services_.version = {5, 1};
  Start({"init"});
  EXPECT_EQ(services_.filesAsked, PathsTried());
  ExpectStoredPictures();
  EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(ReplacementPicturesTest, OnOtherVersionsTheFolderIsNotLookedAt) {
  Put("tray-xp.gif", kSmallGif);
  Put("outoftray-xp.gif", kSmallGif);
  for (const TPlatformVersion version : {TPlatformVersion{5, 0}, TPlatformVersion{5, 2},
                                         TPlatformVersion{6, 0}, TPlatformVersion{10, 0}}) {
    SCOPED_TRACE(std::to_string(version.major) + "." + std::to_string(version.minor));
    services_.version = version;
    Start({"init"});
    EXPECT_TRUE(services_.filesAsked.empty());
    ExpectStoredPictures();
    application_.reset();
  }
}

TEST_F(ReplacementPicturesTest, TheFolderIsCutAtTheLastSlashOnly) {
  services_.version = {5, 1};
  services_.programPath = "/opt/odd\\name:dir/quick-intro";
  Start();
  EXPECT_EQ(services_.filesAsked,
            (std::vector<std::string>{"/opt/odd\\name:dir//Images/tray-xp.gif",
                                      "/opt/odd\\name:dir//Images/outoftray-xp.gif"}));
}

TEST_F(ReplacementPicturesTest, OnWindowsTheFolderIsCutAtTheLastBackslashOrColon) {
  services_.version = {5, 1};
  services_.folderDelimiters = "\\:";
  const struct {
    std::string programPath;
    std::string folder;
  } cases[] = {
      {"C:\\Program Files\\Kalidor\\quick-intro.exe", "C:\\Program Files\\Kalidor\\"},
      {"C:\\quick-intro.exe", "C:\\"},
      {"C:quick-intro.exe", "C:\\"},
      {"quick-intro.exe", ""},
  };
  for (const auto& [programPath, folder] : cases) {
    SCOPED_TRACE(programPath);
    services_.programPath = programPath;
    services_.filesAsked.clear();
    Start();
    EXPECT_EQ(services_.filesAsked,
              (std::vector<std::string>{folder + "/Images/tray-xp.gif",
                                        folder + "/Images/outoftray-xp.gif"}));
    application_.reset();
  }
}

TEST_F(ReplacementPicturesTest, AnUnreadablePictureIsReportedAndTheRestOfTheCreationSkipped) {
  services_.version = {5, 1};
  PutBytes("tray-xp.gif", "This is not a picture at all.");
  Put("outoftray-xp.gif", kSmallGif);
  Start({"init"});
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{"Quick Introduction: Unknown GIF version."});
  // The tray picture stays, the desktop picture after it is not tried, and neither are the
  // cursors and the selection display; the window opens all the same.
  ExpectStoredPictures();
  EXPECT_EQ(services_.filesAsked.size(), 1u);
  EXPECT_EQ(form_->TrayClockImg->Cursor(), crDefault);
  EXPECT_EQ(form_->Label11->Caption(), "Currently selected:");
  EXPECT_TRUE(form_->TrBevel->Visible());
  EXPECT_TRUE(Window().Visible());
  EXPECT_EQ(Caption(), "Intro 1/8");
}

TEST_F(ReplacementPicturesTest, ABrokenGifIsReportedWithTheReadersMessage) {
  services_.version = {5, 1};
  const unsigned char broken[] = {'G',  'I', 'F',  '8',  '9', 'a', 1, 0, 1, 0,
                                  0x80, 0,   0,                     // 1 x 1, two global colours
                                  0,    0,   0,    255,  255, 255,  // black, white
                                  ',',  0,   0,    0,    0,   1,   0, 1, 0, 0,  // one 1 x 1 frame
                                  12,   2,   0x4C, 0x01, 0,  // an LZW code size past 9
                                  ';'};
  PutBytes("outoftray-xp.gif", std::string(std::begin(broken), std::end(broken)));
  Start({"init"});
  EXPECT_EQ(MessageBoxes(),
            std::vector<std::string>{"Quick Introduction: GIF code size not in range 2 to 9."});
  ExpectStoredPictures();
  EXPECT_EQ(form_->DesktopClockImg->Picture().Graphic()->ClassName(), std::string("TGIFImage"));
}

}  // namespace
