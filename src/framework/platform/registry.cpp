#include "framework/platform/registry.h"

#include <cstdint>
#include <span>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/messages.h"
#include "framework/platform/platform_services.h"

bool TRegistry::OpenKey(std::string_view keyPath) {
  CloseKey();
  if (!Platform().RegCreateKey(keyPath)) return false;
  currentKey_ = std::string(keyPath);
  return true;
}

void TRegistry::WriteString(std::string_view valueName, std::string_view data) {
  const std::span<const std::uint8_t> raw(reinterpret_cast<const std::uint8_t*>(data.data()),
                                          data.size());
  if (!currentKey_ || !Platform().RegSetStringValue(*currentKey_, valueName, raw)) {
    throw ERegistryException(Format(messages::kRegSetDataFailed, {valueName}));
  }
}
