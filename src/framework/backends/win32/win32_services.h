#pragma once

#include <string>
#include <vector>

#include "framework/platform/platform_services.h"
#include "framework/platform/window_aware_services.h"

// The platform services of the native Windows program, on the Win32 API: local time
// (GetLocalTime), GetVersionExA, the program's path (GetModuleFileNameA), the registry under
// HKEY_CURRENT_USER (RegCreateKeyExA, RegSetValueExA), the program's resources linked in by the
// resource script (FindResource and its companions), temporary files (GetTempPath,
// GetTempFileName), the system clipboard with registered formats and global memory blocks, and
// thread priorities through SetThreadPriority, installed for the services' lifetime.
class TWin32Services : public TPlatformServices {
 public:
  TWin32Services();
  ~TWin32Services() override;

  // Keeps the arguments the program was started with (argv[0], the program's name, is not one).
  void SetCommandLine(int argc, const char* const* argv);

  TLocalDateTime LocalDateTime() override;
  const std::vector<std::string>& CommandLine() override { return arguments_; }
  TPlatformVersion PlatformVersion() override;
  std::string ProgramPath() override;
  std::string_view FolderDelimiters() override { return "\\:"; }
  bool FileExists(const std::string& path) override;
  // Answers as a platform without windows would, until TWin32ProgramServices completes it.
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

  HGLOBAL GlobalAlloc(std::size_t size) override;
  void* GlobalLock(HGLOBAL block) override;
  bool GlobalUnlock(HGLOBAL block) override;
  std::size_t GlobalSize(HGLOBAL block) override;
  HGLOBAL GlobalFree(HGLOBAL block) override;

 private:
  std::vector<std::string> arguments_;
};

// The services of the program, with its windows: SetForegroundWindow raises them.
using TWin32ProgramServices = TWindowAwareServices<TWin32Services>;
