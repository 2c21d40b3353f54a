#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "framework/core/property_table.h"
#include "framework/graphics/color.h"

// Colour identifiers as form data writes them ("clNavy", "clWindow", "clNone"). A colour property
// accepts such a name or a plain number.

// The colour of an identifier (ignoring case), or nothing when the name is unknown.
std::optional<TColor> IdentToColor(std::string_view ident);
// The identifier of a colour, or nothing when the colour has no name.
std::optional<std::string> ColorToIdent(TColor color);

// Form-data value to colour and back: a name becomes its colour, a number is taken as it is; a
// colour with a name is written as that name. Anything else raises EReadError
// "Invalid property value".
TColor ColorFromPropertyValue(const TPropertyValue& value);
TPropertyValue ColorToPropertyValue(TColor color);

// Adds a TColor property, read from and written to form data as above.
template <typename G, typename S>
TPropertyTable& AddColorProperty(TPropertyTable& table, std::string name, G get, S set,
                                 std::optional<TColor> defaultValue = std::nullopt) {
  using C = typename property_detail::Member<S>::Class;
  std::optional<TPropertyValue> stored;
  if (defaultValue) stored = ColorToPropertyValue(*defaultValue);
  return table.AddValue<C>(
      std::move(name),
      [set](C& o, const TPropertyValue& v) { (o.*set)(ColorFromPropertyValue(v)); },
      [get](const C& o) { return ColorToPropertyValue((o.*get)()); }, std::move(stored));
}
