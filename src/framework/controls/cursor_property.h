#pragma once

#include <optional>
#include <string>

#include "framework/controls/cursor_numbers.h"
#include "framework/core/property_table.h"

// Cursor numbers in form data: the standard cursors by name ("crHandPoint"), any other number as
// it is. Anything else raises EReadError "Invalid property value".
TCursor CursorFromPropertyValue(const TPropertyValue& value);
TPropertyValue CursorToPropertyValue(TCursor cursor);

template <typename G, typename S>
TPropertyTable& AddCursorProperty(TPropertyTable& table, std::string name, G get, S set) {
  using C = typename property_detail::Member<S>::Class;
  return table.AddValue<C>(
      std::move(name),
      [set](C& o, const TPropertyValue& v) { (o.*set)(CursorFromPropertyValue(v)); },
      [get](const C& o) { return CursorToPropertyValue((o.*get)()); },
      CursorToPropertyValue(crDefault));
}
