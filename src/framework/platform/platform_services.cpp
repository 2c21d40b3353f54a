#include "framework/platform/platform_services.h"

#include <atomic>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

namespace {

std::atomic<TPlatformServices*> installed{nullptr};

constexpr const char* kSystemError = "%s (%d)";

}  // namespace

int TPlatformServices::ParamCount() {
  return static_cast<int>(CommandLine().size());
}

std::string TPlatformServices::ParamStr(int index) {
  if (index == 0) return ProgramPath();
  const auto& arguments = CommandLine();
  if (index < 0 || index > static_cast<int>(arguments.size())) return {};
  return arguments[static_cast<std::size_t>(index - 1)];
}

std::span<const std::uint8_t> TPlatformServices::LoadResource(const TResourceName& name,
                                                              const TResourceName& type) {
  const auto found = FindResource(name, type);
  if (!found) RaiseResourceNotFound(name);
  return *found;
}

void TPlatformServices::RaiseSystemError(int errorCode) {
  throw Exception(Format(kSystemError, {SysErrorMessage(errorCode), std::int64_t{errorCode}}));
}

TPlatformServices& Platform() {
  TPlatformServices* services = installed.load();
  if (services == nullptr) throw Exception("No platform services installed");
  return *services;
}

TPlatformServices* SetPlatform(TPlatformServices* services) {
  return installed.exchange(services);
}
