#include "test_services.h"

TTestServices::TTestServices(const std::filesystem::path& registryFile)
    : TWindowAwareServices<TPosixServices>(TPosixServicesSettings{registryFile, {10, 0}}) {}

void TTestServices::SetArguments(const std::vector<std::string>& arguments) {
  std::vector<const char*> argv{"quick-intro"};
  for (const auto& argument : arguments)
    argv.push_back(argument.c_str());
  SetCommandLine(static_cast<int>(argv.size()), argv.data());
}

bool TTestServices::FileExists(const std::string& path) {
  filesAsked.push_back(path);
  return TPosixServices::FileExists(path);
}

bool TTestServices::RegCreateKey(std::string_view keyPath) {
  ++registryCalls;
  return TPosixServices::RegCreateKey(keyPath);
}

bool TTestServices::RegSetStringValue(std::string_view keyPath, std::string_view valueName,
                                      std::span<const std::uint8_t> data) {
  ++registryCalls;
  return TPosixServices::RegSetStringValue(keyPath, valueName, data);
}

std::optional<std::span<const std::uint8_t>> TTestServices::FindResource(
    const TResourceName& name, const TResourceName& type) {
  if (!name.IsId() && hiddenResources.count(name.Text()) != 0) return std::nullopt;
  return TPosixServices::FindResource(name, type);
}
