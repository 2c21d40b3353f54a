#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/core/component.h"

// Creates an object of a registered class; owner is given to components and ignored by others.
using TClassFactory = std::function<TPersistent*(TComponent* owner)>;

// Classes known by name, so that stored objects can be created from the name written with them
// (the virtual constructor). Registration happens at start-up, before any form is read.
namespace class_registry {

void Register(std::string_view className, TClassFactory factory);
bool IsRegistered(std::string_view className);
// The new object, or nullptr when no class of that name (ignoring case) is registered.
TPersistent* Create(std::string_view className, TComponent* owner);

}  // namespace class_registry

template <typename T>
void RegisterClass(std::string_view className) {
  class_registry::Register(className, [](TComponent* owner) -> TPersistent* {
    if constexpr (std::is_constructible_v<T, TComponent*>) {
      return new T(owner);
    } else {
      (void)owner;
      return new T();
    }
  });
}
