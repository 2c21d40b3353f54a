#include "framework/backends/win32/win32_services.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/core/exceptions.h"
#include "framework/core/thread.h"
#include "framework/platform/registry.h"
#include "native_checks.h"
#include "support/test_data.h"

namespace {

constexpr const char* kTestKey = "Software\\Vesperan\\QuickIntroTests";

class Win32ServicesTest : public ::testing::Test {
 protected:
  Win32ServicesTest() : scope_(services_) { native_checks::DeleteUserKey(kTestKey); }
  ~Win32ServicesTest() override { native_checks::DeleteUserKey(kTestKey); }

  TWin32Services services_;
  TScopedPlatform scope_;
};

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

std::string Text(std::span<const std::uint8_t> bytes) {
  return {bytes.begin(), bytes.end()};
}

TEST_F(Win32ServicesTest, TheRegistryStoresTheStringValueUnderAKeyItCreates) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(std::string(kTestKey) + "\\Options"));
  registry.WriteString("ChangeTrayClock", "1");
  EXPECT_EQ(native_checks::UserStringValue(std::string(kTestKey) + "\\Options", "ChangeTrayClock"),
            "1");
  registry.WriteString("ChangeTrayClock", "0");
  EXPECT_EQ(native_checks::UserStringValue(std::string(kTestKey) + "\\Options", "ChangeTrayClock"),
            "0");
}

TEST_F(Win32ServicesTest, AKeyThatCantBeCreatedMakesTheWriteFailWithTheValuesName) {
  // The registry refuses a lasting key below a volatile one.
  ASSERT_TRUE(native_checks::CreateVolatileUserKey(kTestKey));
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(std::string(kTestKey) + "\\Options"));
  try {
    registry.WriteString("ChangeTrayClock", "1");
    FAIL() << "no error";
  } catch (const ERegistryException& error) {
    EXPECT_EQ(error.Message(), "Failed to set data for 'ChangeTrayClock'");
  }
}

TEST_F(Win32ServicesTest, TheProgramsPathNamesThisTestFileInAFolderCutAtBackslashOrColon) {
  const std::string path = services_.ProgramPath();
  EXPECT_TRUE(path.ends_with("\\qi_win32_backend_tests.exe")) << path;
  EXPECT_EQ(path[1], ':') << path;
  EXPECT_EQ(services_.FolderDelimiters(), "\\:");
  EXPECT_TRUE(services_.FileExists(path));
  EXPECT_FALSE(services_.FileExists(path.substr(0, path.rfind('\\'))));  // a folder
  EXPECT_FALSE(services_.FileExists(path + ".missing"));
}

TEST_F(Win32ServicesTest, TemporaryFilesAreNewEmptyFilesWithThePrefix) {
  const std::string folder = services_.TempPath();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  const std::string first = services_.CreateTempFile(folder, "ANI");
  const std::string second = services_.CreateTempFile(folder, "ANI");
  EXPECT_NE(first, second);
  for (const std::string& made : {first, second}) {
    EXPECT_EQ(std::filesystem::path(made).filename().string().rfind("ANI", 0), 0u) << made;
    EXPECT_EQ(std::filesystem::file_size(made), 0u);
    std::filesystem::remove(made);
  }
}

TEST_F(Win32ServicesTest, ATemporaryFileInAMissingFolderRaisesTheSystemsText) {
  try {
    services_.CreateTempFile("C:\\no such folder\\", "ANI");
    FAIL() << "no error";
  } catch (const Exception& error) {
    // "%s (%d)": the system's text for the error, then its code.
    EXPECT_TRUE(error.Message().ends_with(")")) << error.Message();
    EXPECT_NE(error.Message().find(" ("), std::string::npos) << error.Message();
  }
}

TEST_F(Win32ServicesTest, ResourcesAreFoundByNameOrNumberAndType) {
  const std::filesystem::path resources = QI_POSIX_RESOURCES_DIR;
  EXPECT_EQ(Text(*services_.FindResource("greeting", RT_RCDATA)),
            FileText(resources / "greeting.txt"));
  EXPECT_EQ(Text(*services_.FindResource(42, "MYTYPE")), FileText(resources / "odd_bytes.bin"));
  EXPECT_EQ(services_.FindResource("Greeting", "MYTYPE"), std::nullopt);
  EXPECT_EQ(services_.FindResource("NOSUCHNAME", RT_RCDATA), std::nullopt);
  EXPECT_TRUE(services_.FindResource("KALDCURSOR", RT_GROUP_CURSOR).has_value());
}

TEST_F(Win32ServicesTest, GifImageDataOnTheClipboardReachesOtherReaders) {
  const unsigned format = services_.RegisterClipboardFormat("GIF Image");
  EXPECT_GE(format, kFirstRegisteredClipboardFormat);
  EXPECT_EQ(services_.RegisterClipboardFormat("gif image"), format);

  const std::string bytes("\x06\x00\x00\x00GIF89a", 10);
  HGLOBAL block = services_.GlobalAlloc(bytes.size());
  std::memcpy(services_.GlobalLock(block), bytes.data(), bytes.size());
  services_.GlobalUnlock(block);
  services_.EmptyClipboard();
  ASSERT_EQ(services_.SetClipboardData(format, block), block);

  EXPECT_TRUE(services_.IsClipboardFormatAvailable(format));
  EXPECT_EQ(native_checks::ClipboardBytesSeenElsewhere(format)->substr(0, bytes.size()), bytes);
  HGLOBAL held = services_.GetClipboardData(format);
  ASSERT_NE(held, nullptr);
  EXPECT_GE(services_.GlobalSize(held), bytes.size());

  services_.EmptyClipboard();
  EXPECT_FALSE(services_.IsClipboardFormatAvailable(format));
}

// A worker that reports the platform priority it runs at.
class TPriorityProbe : public TThread {
 public:
  TPriorityProbe() : TThread(true) {}
  int seen = 0;

 protected:
  void Execute() override { seen = native_checks::CurrentThreadPriority(); }
};

TEST_F(Win32ServicesTest, WorkersRunAtThePlatformPriorityOfTheirPriority) {
  const struct {
    TThreadPriority priority;
    int platform;
  } cases[] = {{tpIdle, -15}, {tpLowest, -2}, {tpLower, -1},       {tpNormal, 0},
               {tpHigher, 1}, {tpHighest, 2}, {tpTimeCritical, 15}};
  for (const auto& [priority, platform] : cases) {
    TPriorityProbe probe;
    probe.SetPriority(priority);
    probe.Resume();
    probe.WaitFor();
    EXPECT_EQ(probe.seen, platform) << "priority " << priority;
  }
}

}  // namespace
