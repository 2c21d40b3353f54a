#include "framework/platform/platform_services.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "framework/backends/posix/posix_services.h"
#include "framework/core/exceptions.h"
#include "support/test_data.h"

namespace {

class PlatformServicesTest : public ::testing::Test {
 protected:
  qi_test::TempDir dir_;
  TPosixServices services_{{dir_.Path() / "registry", {10, 0}}};
};

}  // namespace

TEST_F(PlatformServicesTest, TheInstalledServicesAnswerUntilTheScopeEnds) {
  EXPECT_THROW(Platform(), Exception) << "nothing installed at first";
  {
    const TScopedPlatform installed(services_);
    EXPECT_EQ(&Platform(), &services_);
    TPosixServices inner({dir_.Path() / "inner", {5, 1}});
    {
      const TScopedPlatform nested(inner);
      EXPECT_EQ(Platform().PlatformVersion(), (TPlatformVersion{5, 1}));
    }
    EXPECT_EQ(&Platform(), &services_);
  }
  EXPECT_THROW(Platform(), Exception);
}

TEST_F(PlatformServicesTest, ParamStrCountsTheProgramAsArgumentZero) {
  const char* argv[] = {"quick-introduction", "init"};
  services_.SetCommandLine(2, argv);
  EXPECT_EQ(services_.ParamCount(), 1);
  EXPECT_EQ(services_.ParamStr(0), services_.ProgramPath());
  EXPECT_EQ(services_.ParamStr(1), "init");
  EXPECT_EQ(services_.ParamStr(2), "");
  EXPECT_EQ(services_.ParamStr(-1), "");
  services_.SetCommandLine(0, nullptr);
  EXPECT_EQ(services_.ParamCount(), 0);
  EXPECT_EQ(services_.ParamStr(1), "") << "a missing argument is the empty text";
}

TEST_F(PlatformServicesTest, LoadResourceNamesWhatIsMissing) {
  EXPECT_THROW(
      {
        try {
          services_.LoadResource("KALDCURSOR", RT_GROUP_CURSOR);
        } catch (const EResNotFound& error) {
          EXPECT_EQ(error.Message(), "Resource KALDCURSOR not found");
          throw;
        }
      },
      EResNotFound);
  EXPECT_THROW(services_.LoadResource(42, RT_ANICURSOR), EResNotFound);
}

TEST_F(PlatformServicesTest, ASystemErrorShowsTheSystemsTextAndTheCode) {
  try {
    services_.RaiseSystemError(ENOENT);
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "No such file or directory (2)");
  }
}
