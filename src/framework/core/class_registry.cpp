#include "framework/core/class_registry.h"

#include <map>
#include <mutex>

#include "framework/core/text.h"

namespace {

struct Registry {
  std::mutex lock;
  std::map<std::string, TClassFactory> factories;  // keyed by the upper-case name
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

namespace class_registry {

void Register(std::string_view className, TClassFactory factory) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  registry.factories[UpperCase(className)] = std::move(factory);
}

bool IsRegistered(std::string_view className) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  return registry.factories.count(UpperCase(className)) != 0;
}

TPersistent* Create(std::string_view className, TComponent* owner) {
  TClassFactory factory;
  {
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    const auto found = registry.factories.find(UpperCase(className));
    if (found == registry.factories.end()) return nullptr;
    factory = found->second;
  }
  return factory(owner);
}

}  // namespace class_registry
