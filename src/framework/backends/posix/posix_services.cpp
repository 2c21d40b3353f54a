#include "framework/backends/posix/posix_services.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "framework/backends/posix/embedded_resources.h"

namespace {

constexpr const char* kRegistryRoot = "HKEY_CURRENT_USER";
constexpr const char* kStringType = "sz";

// A key path under HKEY_CURRENT_USER as the store names it; the empty path is the root itself.
std::string StoreKeyPath(std::string_view keyPath) {
  std::string path = kRegistryRoot;
  if (!keyPath.empty()) path.append("\\").append(keyPath);
  return path;
}

}  // namespace

TPosixServices::TPosixServices(TPosixServicesSettings settings)
    : registry_(settings.registryFile.empty() ? DefaultRegistryStoreFile()
                                              : std::move(settings.registryFile)),
      version_(settings.version) {}

void TPosixServices::SetCommandLine(int argc, const char* const* argv) {
  arguments_.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
}

TLocalDateTime TPosixServices::LocalDateTime() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch());
  const std::time_t seconds = duration_cast<std::chrono::seconds>(sinceEpoch).count();
  std::tm local{};
  localtime_r(&seconds, &local);
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          static_cast<int>(sinceEpoch.count() % 1000)};
}

std::string TPosixServices::ProgramPath() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

bool TPosixServices::FileExists(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool TPosixServices::RegCreateKey(std::string_view keyPath) {
  const std::string path = StoreKeyPath(keyPath);
  if (!TRegistryStore::IsValidKeyPath(path)) return false;
  return registry_.Update([&](TRegistryStore& store) { return store.CreateKey(path); });
}

bool TPosixServices::RegSetStringValue(std::string_view keyPath, std::string_view valueName,
                                       std::span<const std::uint8_t> data) {
  const std::string path = StoreKeyPath(keyPath);
  const TRegistryValue value{kStringType, std::string(data.begin(), data.end())};
  bool keyFound = false;
  const bool stored = registry_.Update([&](TRegistryStore& store) {
    keyFound = store.KeyExists(path);
    return keyFound && store.SetValue(path, valueName, value);
  });
  return stored && keyFound;
}

std::optional<std::span<const std::uint8_t>> TPosixServices::FindResource(
    const TResourceName& name, const TResourceName& type) {
  return FindEmbeddedResource(name, type);
}

std::string TPosixServices::TempPath() {
  const char* folder = std::getenv("TMPDIR");
  std::string path = folder && folder[0] != '\0' ? folder : "/tmp";
  if (path.back() != '/') path += '/';
  return path;
}

std::string TPosixServices::CreateTempFile(const std::string& folder, std::string_view prefix) {
  std::string name = folder;
  if (!name.empty() && name.back() != '/') name += '/';
  name.append(prefix).append("XXXXXX");
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) RaiseSystemError(errno);
  ::close(fd);
  return name;
}

std::string TPosixServices::SysErrorMessage(int errorCode) {
  return std::generic_category().message(errorCode);
}

unsigned TPosixServices::RegisterClipboardFormat(std::string_view name) {
  return clipboard_.RegisterFormat(name);
}

HGLOBAL TPosixServices::SetClipboardData(unsigned format, HGLOBAL block) {
  return clipboard_.SetData(format, block);
}

HGLOBAL TPosixServices::GetClipboardData(unsigned format) {
  return clipboard_.Data(format);
}

bool TPosixServices::IsClipboardFormatAvailable(unsigned format) {
  return clipboard_.HasFormat(format);
}

void TPosixServices::EmptyClipboard() {
  clipboard_.Empty();
}
