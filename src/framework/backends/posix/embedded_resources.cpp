#include "framework/backends/posix/embedded_resources.h"

#include <vector>

namespace {

// Filled only while static objects are constructed; read-only afterwards.
std::vector<std::span<const TEmbeddedResource>>& RegisteredTables() {
  static std::vector<std::span<const TEmbeddedResource>> tables;
  return tables;
}

bool Matches(const TEmbeddedName& embedded, const TResourceName& wanted) {
  return embedded.text ? wanted == TResourceName(embedded.text)
                       : wanted == TResourceName(embedded.id);
}

}  // namespace

TEmbeddedResourceRegistration::TEmbeddedResourceRegistration(
    std::span<const TEmbeddedResource> table) {
  RegisteredTables().push_back(table);
}

std::optional<std::span<const std::uint8_t>> FindEmbeddedResource(const TResourceName& name,
                                                                  const TResourceName& type) {
  for (const auto& table : RegisteredTables()) {
    for (const TEmbeddedResource& resource : table) {
      if (Matches(resource.name, name) && Matches(resource.type, type)) {
        return std::span<const std::uint8_t>(resource.data, resource.size);
      }
    }
  }
  return std::nullopt;
}
