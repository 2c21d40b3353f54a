#pragma once

#include <filesystem>
#include <string>

namespace qi_test {

// The shared folder of third-party GIF files, or an empty path when this checkout has none.
std::filesystem::path TestDataDir();

// Skips the calling test with a clear message when the shared test data is absent.
#define QI_REQUIRE_TESTDATA()                                                        \
  do {                                                                               \
    if (::qi_test::TestDataDir().empty())                                            \
      GTEST_SKIP() << "shared GIF test data not found (set QI_TESTDATA_DIR or keep " \
                      "../shared/testdata beside the checkout)";                     \
  } while (0)

// A fresh, empty folder under the system's temporary folder, removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace qi_test
