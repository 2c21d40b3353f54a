#include "framework/controls/cursor_property.h"

#include <limits>

#include "framework/core/exceptions.h"

namespace {

const TIdentTable& CursorNames() {
  static const TIdentTable names = {
      {"crDefault", crDefault},
      {"crNone", crNone},
      {"crArrow", crArrow},
      {"crCross", crCross},
      {"crIBeam", crIBeam},
      {"crSize", crSize},
      {"crSizeNESW", crSizeNESW},
      {"crSizeNS", crSizeNS},
      {"crSizeNWSE", crSizeNWSE},
      {"crSizeWE", crSizeWE},
      {"crUpArrow", crUpArrow},
      {"crHourGlass", crHourGlass},
      {"crNo", crNo},
      {"crAppStart", crAppStart},
      {"crHandPoint", crHandPoint},
  };
  return names;
}

}  // namespace

TCursor CursorFromPropertyValue(const TPropertyValue& value) {
  if (const auto* ident = std::get_if<TIdentValue>(&value)) {
    return static_cast<TCursor>(property_detail::NumberOf(CursorNames(), ident->name));
  }
  const std::int64_t number = AsInteger(value);
  if (number < std::numeric_limits<TCursor>::min() ||
      number > std::numeric_limits<TCursor>::max()) {
    throw EReadError("Invalid property value");
  }
  return static_cast<TCursor>(number);
}

TPropertyValue CursorToPropertyValue(TCursor cursor) {
  for (const auto& [name, number] : CursorNames()) {
    if (number == cursor) return TIdentValue{name};
  }
  return std::int64_t{cursor};
}
