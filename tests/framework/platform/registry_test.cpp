#include "framework/platform/registry.h"

#include <gtest/gtest.h>

#include <fstream>

#include "framework/backends/posix/posix_services.h"
#include "framework/core/exceptions.h"
#include "support/test_data.h"

namespace {

constexpr const char* kOptions = "Software\\Vesperan\\Options";

std::string FailureOf(TRegistry& registry, const char* name, const char* data) {
  try {
    registry.WriteString(name, data);
  } catch (const ERegistryException& error) {
    return error.Message();
  }
  return "written";
}

}  // namespace

TEST(Registry, WritesExactlyTheBytesOfTheText) {
  const qi_test::TempDir dir;
  TPosixServices services({dir.Path() / "registry", {10, 0}});
  const TScopedPlatform installed(services);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kOptions));
  registry.WriteString("ChangeTrayClock", "1");
  const auto value =
      TRegistryFile(dir.Path() / "registry")
          .Load()
          .Value("HKEY_CURRENT_USER\\Software\\Vesperan\\Options", "ChangeTrayClock");
  EXPECT_EQ(value, (TRegistryValue{"sz", "1"})) << "one byte, no terminating zero";
}

TEST(Registry, AKeyThatCannotBeOpenedMakesTheWriteFail) {
  const qi_test::TempDir dir;
  std::ofstream(dir.Path() / "a file");
  TPosixServices services({dir.Path() / "a file" / "registry", {10, 0}});
  const TScopedPlatform installed(services);
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(kOptions)) << "not reported by itself";
  EXPECT_EQ(FailureOf(registry, "ChangeTrayClock", "1"),
            "Failed to set data for 'ChangeTrayClock'");
}

TEST(Registry, WritingWithoutAnOpenKeyFails) {
  const qi_test::TempDir dir;
  TPosixServices services({dir.Path() / "registry", {10, 0}});
  const TScopedPlatform installed(services);
  TRegistry registry;
  EXPECT_EQ(FailureOf(registry, "Value", "x"), "Failed to set data for 'Value'");
  ASSERT_TRUE(registry.OpenKey(kOptions));
  registry.CloseKey();
  EXPECT_EQ(FailureOf(registry, "Value", "x"), "Failed to set data for 'Value'");
}
