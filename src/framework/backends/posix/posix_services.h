#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "framework/backends/posix/global_heap.h"
#include "framework/backends/posix/process_clipboard.h"
#include "framework/backends/posix/registry_file.h"
#include "framework/platform/platform_services.h"

struct TPosixServicesSettings {
  // The registry store; empty means DefaultRegistryStoreFile().
  std::filesystem::path registryFile;
  // What PlatformVersion reports. The program asks for the version only to decide whether to show
  // two pictures drawn for one old desktop release (5.1). The kernel's version means nothing to
  // that test (a 5.1 kernel would switch them on by chance), so a fixed 10.0, plainly not that
  // release, stands in; set it to test the other path.
  TPlatformVersion version{10, 0};
};

// The platform services on Linux and other POSIX systems, without any window: those parts answer
// as a platform with no windows would (SetForegroundWindow refuses) until a window backend that
// derives from this class provides them.
class TPosixServices : public TPlatformServices {
 public:
  explicit TPosixServices(TPosixServicesSettings settings = {});

  // Keeps the arguments the program was started with (argv[0], the program's name, is not one).
  void SetCommandLine(int argc, const char* const* argv);

  TLocalDateTime LocalDateTime() override;
  const std::vector<std::string>& CommandLine() override { return arguments_; }
  TPlatformVersion PlatformVersion() override { return version_; }
  std::string ProgramPath() override;
  std::string_view FolderDelimiters() override { return "/"; }
  bool FileExists(const std::string& path) override;
  bool SetForegroundWindow(HWND) override { return false; }

  bool RegCreateKey(std::string_view keyPath) override;
  bool RegSetStringValue(std::string_view keyPath, std::string_view valueName,
                         std::span<const std::uint8_t> data) override;

  std::optional<std::span<const std::uint8_t>> FindResource(const TResourceName& name,
                                                            const TResourceName& type) override;

  std::string TempPath() override;
  std::string CreateTempFile(const std::string& folder, std::string_view prefix) override;
  std::string SysErrorMessage(int errorCode) override;

  unsigned RegisterClipboardFormat(std::string_view name) override;
  HGLOBAL SetClipboardData(unsigned format, HGLOBAL block) override;
  HGLOBAL GetClipboardData(unsigned format) override;
  bool IsClipboardFormatAvailable(unsigned format) override;
  void EmptyClipboard() override;

  HGLOBAL GlobalAlloc(std::size_t size) override { return heap_.Alloc(size); }
  void* GlobalLock(HGLOBAL block) override { return heap_.Lock(block); }
  bool GlobalUnlock(HGLOBAL block) override { return heap_.Unlock(block); }
  std::size_t GlobalSize(HGLOBAL block) override { return heap_.Size(block); }
  HGLOBAL GlobalFree(HGLOBAL block) override { return heap_.Free(block); }

 private:
  TRegistryFile registry_;
  TPlatformVersion version_;
  std::vector<std::string> arguments_;
  TGlobalHeap heap_;
  TProcessClipboard clipboard_{heap_};
};
