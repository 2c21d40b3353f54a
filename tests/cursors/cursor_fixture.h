#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/backends/headless/headless_backend.h"
#include "framework/backends/posix/posix_services.h"
#include "framework/controls/application.h"
#include "framework/platform/window_backend.h"
#include "support/test_data.h"

// Services for the cursor tests: the test's resources (some of which can be hidden), temporary
// files in a folder of the test's own, and a record of the temporary files made.
class TCursorTestServices : public TPosixServices {
 public:
  std::filesystem::path tempFolder;
  std::set<std::string> hiddenResources;
  std::vector<std::string> tempFilesMade;
  bool failTempFiles = false;
  std::string unwritableTempFile;  // when set, handed out as the new file without making it

  std::string TempPath() override { return tempFolder.string() + "/"; }
  std::string CreateTempFile(const std::string& folder, std::string_view prefix) override {
    if (failTempFiles) RaiseSystemError(28);  // no space left
    if (!unwritableTempFile.empty()) return unwritableTempFile;
    tempFilesMade.push_back(TPosixServices::CreateTempFile(folder, prefix));
    return tempFilesMade.back();
  }
  // Resources a test adds, by name and type, before the program's own.
  std::map<std::pair<std::string, std::uint16_t>, std::vector<std::uint8_t>> addedResources;

  std::optional<std::span<const std::uint8_t>> FindResource(const TResourceName& name,
                                                            const TResourceName& type) override {
    if (!name.IsId() && hiddenResources.count(name.Text()) != 0) return std::nullopt;
    const auto added = addedResources.find({name.Text(), type.Id()});
    if (added != addedResources.end()) return added->second;
    return TPosixServices::FindResource(name, type);
  }
};

// A fresh application (and so a fresh screen with its cursor table) on the headless backend.
class CursorTest : public ::testing::Test {
 protected:
  CursorTest() : platformScope_(services_), backendScope_(backend_) {
    services_.tempFolder = tempFolder_.Path();
    application_ = std::make_unique<TApplication>();
  }

  // The files in the temporary folder now.
  std::vector<std::filesystem::path> TempFiles() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(tempFolder_.Path()))
      files.push_back(entry.path());
    return files;
  }

  qi_test::TempDir tempFolder_;
  TCursorTestServices services_;
  TScopedPlatform platformScope_;
  THeadlessBackend backend_;
  TScopedWindowBackend backendScope_;
  std::unique_ptr<TApplication> application_;
};
