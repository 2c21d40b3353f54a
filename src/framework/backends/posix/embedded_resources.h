#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "framework/platform/resource_name.h"

// A name or type as a generated table spells it: the text, or, when text is null, the identifier.
struct TEmbeddedName {
  const char* text;
  std::uint16_t id;
};

// A resource built into the program by qi_add_resources (cmake/QuickIntroResources.cmake).
struct TEmbeddedResource {
  TEmbeddedName name;
  TEmbeddedName type;
  const std::uint8_t* data;
  std::size_t size;
};

// Makes a table visible to FindEmbeddedResource. The generated tables register themselves through a
// static object of this class while the program starts, before anything looks resources up; the
// table must outlive the program's run.
class TEmbeddedResourceRegistration {
 public:
  explicit TEmbeddedResourceRegistration(std::span<const TEmbeddedResource> table);
};

// The bytes of the first registered resource of that name and type, or none.
std::optional<std::span<const std::uint8_t>> FindEmbeddedResource(const TResourceName& name,
                                                                  const TResourceName& type);
