#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// An identifier in form data: an enumeration value, a named colour, true/false are booleans.
struct TIdentValue {
  std::string name;
  bool operator==(const TIdentValue&) const = default;
};

// A set of enumeration identifiers.
struct TSetValue {
  std::vector<std::string> members;
  bool operator==(const TSetValue&) const = default;
};

// One stored property value as form data holds it.
using TPropertyValue = std::variant<std::int64_t, bool, std::string, TIdentValue, TSetValue>;

// Typed access for property setters; a value of another kind raises EReadError
// "Invalid property value".
std::int64_t AsInteger(const TPropertyValue& value);
bool AsBoolean(const TPropertyValue& value);
const std::string& AsString(const TPropertyValue& value);
const std::string& AsIdent(const TPropertyValue& value);
const TSetValue& AsSet(const TPropertyValue& value);
