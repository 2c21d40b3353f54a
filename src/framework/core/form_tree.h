#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "framework/core/property_value.h"

// Bytes stored for a property that its object reads and writes itself (DefineProperties).
struct TBinaryValue {
  std::vector<std::uint8_t> bytes;
  bool operator==(const TBinaryValue&) const = default;
};

using TFormValue = std::variant<TPropertyValue, TBinaryValue>;

// One stored property: its name, dotted through nested objects ("Font.Name", "Picture.Data").
struct TFormProperty {
  std::string name;
  TFormValue value;
  bool operator==(const TFormProperty&) const = default;
};

// A form description as the source compiler, the binary form data and the reader and writer see
// it: one object with its class, its name (empty for unnamed objects), its properties in the order
// they are set, and the objects nested in it.
struct TFormObject {
  std::string className;
  std::string name;
  std::vector<TFormProperty> properties;
  std::vector<TFormObject> children;
  bool operator==(const TFormObject&) const = default;
};
