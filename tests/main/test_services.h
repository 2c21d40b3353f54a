#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "framework/backends/posix/posix_services.h"
#include "framework/platform/window_aware_services.h"

// The program's platform services as a test sets them up: the POSIX services on a registry store
// of the test's own, with today's date, the platform version and the program's path given by the
// test (and the path's folder delimiters, to play Windows), program resources that can be hidden,
// and a record of what the window asked for.
class TTestServices : public TWindowAwareServices<TPosixServices> {
 public:
  explicit TTestServices(const std::filesystem::path& registryFile);

  TLocalDateTime today{2026, 6, 15, 12, 0, 0, 0};
  TPlatformVersion version{10, 0};
  std::string programPath = "/opt/quick-introduction/bin/quick-intro";
  std::string folderDelimiters = "/";
  std::set<std::string> hiddenResources;  // names FindResource does not find

  std::vector<std::string> filesAsked;  // FileExists, in order
  int registryCalls = 0;                // RegCreateKey and RegSetStringValue

  void SetArguments(const std::vector<std::string>& arguments);

  TLocalDateTime LocalDateTime() override { return today; }
  TPlatformVersion PlatformVersion() override { return version; }
  std::string ProgramPath() override { return programPath; }
  std::string_view FolderDelimiters() override { return folderDelimiters; }
  bool FileExists(const std::string& path) override;
  bool RegCreateKey(std::string_view keyPath) override;
  bool RegSetStringValue(std::string_view keyPath, std::string_view valueName,
                         std::span<const std::uint8_t> data) override;
  std::optional<std::span<const std::uint8_t>> FindResource(const TResourceName& name,
                                                            const TResourceName& type) override;
};
