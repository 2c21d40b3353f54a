#include "framework/backends/posix/posix_services.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <set>

#include "framework/core/exceptions.h"
#include "support/scoped_environment.h"
#include "support/test_data.h"

namespace {

std::string AsText(std::span<const std::uint8_t> bytes) {
  return {bytes.begin(), bytes.end()};
}

class PosixServicesTest : public ::testing::Test {
 protected:
  qi_test::TempDir dir_;
  TPosixServices services_{{dir_.Path() / "registry", {10, 0}}};
};

}  // namespace

TEST_F(PosixServicesTest, TellsAboutTheProgram) {
  const char* argv[] = {"quick-introduction", "init", "second"};
  services_.SetCommandLine(3, argv);
  EXPECT_EQ(services_.CommandLine(), (std::vector<std::string>{"init", "second"}));
  EXPECT_EQ(std::filesystem::path(services_.ProgramPath()).filename(), "qi_posix_services_tests");
  EXPECT_TRUE(services_.FileExists(services_.ProgramPath()));
  EXPECT_FALSE(services_.FileExists(dir_.Path().string())) << "a folder is not a file";
  EXPECT_FALSE(services_.FileExists((dir_.Path() / "missing").string()));
  EXPECT_EQ(services_.PlatformVersion(), (TPlatformVersion{10, 0}));
  EXPECT_FALSE(services_.SetForegroundWindow(nullptr));
}

TEST_F(PosixServicesTest, ThePlatformVersionCanBeChosen) {
  TPosixServices xp({dir_.Path() / "registry", {5, 1}});
  EXPECT_EQ(xp.PlatformVersion(), (TPlatformVersion{5, 1}));
  EXPECT_EQ(TPosixServices().PlatformVersion(), (TPlatformVersion{10, 0}));
}

TEST_F(PosixServicesTest, LocalTimeIsTheClockOnTheWall) {
  const std::time_t before = std::time(nullptr);
  const TLocalDateTime now = services_.LocalDateTime();
  std::tm expected{};
  localtime_r(&before, &expected);
  EXPECT_EQ(now.year, expected.tm_year + 1900);
  EXPECT_EQ(now.month, expected.tm_mon + 1);
  EXPECT_EQ(now.day, expected.tm_mday);
  EXPECT_EQ(now.hour, expected.tm_hour);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LT(now.millisecond, 1000);
}

TEST_F(PosixServicesTest, WritesTheRegistryValueTheProgramHandsOver) {
  ASSERT_TRUE(services_.RegCreateKey("Software\\Vesperan\\Options"));
  const std::uint8_t one[] = {'1'};
  ASSERT_TRUE(services_.RegSetStringValue("Software\\Vesperan\\Options", "ChangeTrayClock", one));
  std::ifstream file(dir_.Path() / "registry");
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Vesperan\\Options]\n"
                      "\"ChangeTrayClock\" = sz:\"1\"\n"),
            std::string::npos)
      << text;
}

TEST_F(PosixServicesTest, AValueNeedsAnExistingKey) {
  const std::uint8_t one[] = {'1'};
  EXPECT_FALSE(services_.RegSetStringValue("Software\\Missing", "Value", one));
  EXPECT_FALSE(services_.RegCreateKey("\\Leading"));
  EXPECT_FALSE(services_.RegCreateKey("Double\\\\Separator"));
  EXPECT_TRUE(services_.RegCreateKey("")) << "the root key always exists";
}

TEST_F(PosixServicesTest, FindsResourcesByNameOrIdentifierAndType) {
  EXPECT_EQ(AsText(*services_.FindResource("GREETING", RT_RCDATA)), "Hello from the resources.\n");
  EXPECT_EQ(AsText(*services_.FindResource("greeting", "#10")), "Hello from the resources.\n");
  EXPECT_EQ(AsText(*services_.FindResource("Greeting", "mytype")),
            std::string("\0\0\2\0\1\0\xFF\x80\r\n", 10));
  EXPECT_EQ(services_.FindResource(42, RT_GROUP_CURSOR)->size(), 10u);
  EXPECT_EQ(services_.FindResource("#1", RT_MANIFEST)->size(), 26u);
  const auto empty = services_.FindResource("EMPTY", RT_RCDATA);
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->empty());
  EXPECT_FALSE(services_.FindResource("GREETING", RT_GROUP_ICON)) << "the type must match too";
  EXPECT_FALSE(services_.FindResource("42", RT_GROUP_CURSOR)) << "a text is not an identifier";
  EXPECT_FALSE(services_.FindResource("MISSING", RT_RCDATA));
}

TEST_F(PosixServicesTest, TemporaryFilesAreNewEmptyAndUnique) {
  const ScopedEnvironment tmp("TMPDIR", dir_.Path().string());
  const std::string folder = services_.TempPath();
  EXPECT_EQ(folder, dir_.Path().string() + "/");
  std::set<std::string> names;
  for (int i = 0; i < 20; ++i) {
    const std::string name = services_.CreateTempFile(folder, "ANI");
    EXPECT_EQ(name.rfind(folder + "ANI", 0), 0u) << name;
    EXPECT_EQ(std::filesystem::file_size(name), 0u);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 20u);
}

TEST_F(PosixServicesTest, TheTemporaryFolderDefaultsToTmp) {
  const ScopedEnvironment tmp("TMPDIR", std::nullopt);
  EXPECT_EQ(services_.TempPath(), "/tmp/");
}

TEST_F(PosixServicesTest, ATemporaryFileThatCannotBeMadeRaisesTheSystemError) {
  try {
    services_.CreateTempFile((dir_.Path() / "missing").string(), "ANI");
    FAIL() << "made a file in a missing folder";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "No such file or directory (2)");
  }
}
