#include "support/test_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace qi_test {

std::filesystem::path TestDataDir() {
  const char* fromEnvironment = std::getenv("QI_TESTDATA_DIR");
  std::filesystem::path dir = fromEnvironment ? fromEnvironment : QI_TESTDATA_DIR;
  std::error_code error;
  if (!std::filesystem::is_directory(dir / "gif", error)) return {};
  return dir;
}

TempDir::TempDir() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("qi-test-" + std::to_string(random()));
  } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace qi_test
