#include "framework/core/property_value.h"

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"

namespace {

template <typename T>
const T& As(const TPropertyValue& value) {
  if (const T* typed = std::get_if<T>(&value)) return *typed;
  throw EReadError(messages::kInvalidPropertyValue);
}

}  // namespace

std::int64_t AsInteger(const TPropertyValue& value) {
  return As<std::int64_t>(value);
}
bool AsBoolean(const TPropertyValue& value) {
  return As<bool>(value);
}
const std::string& AsString(const TPropertyValue& value) {
  return As<std::string>(value);
}
const std::string& AsIdent(const TPropertyValue& value) {
  return As<TIdentValue>(value).name;
}
const TSetValue& AsSet(const TPropertyValue& value) {
  return As<TSetValue>(value);
}
