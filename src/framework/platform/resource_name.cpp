#include "framework/platform/resource_name.h"

#include <charconv>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/messages.h"
#include "framework/core/text.h"

namespace {

// "#<decimal>" within 16 bits gives the identifier; anything else stays a text.
bool ParseIdText(std::string_view text, std::uint16_t& id) {
  if (text.size() < 2 || text.size() > 6 || text[0] != '#') return false;
  unsigned value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data() + 1, end, value);
  if (error != std::errc() || stop != end || value > 0xFFFF) return false;
  id = static_cast<std::uint16_t>(value);
  return true;
}

}  // namespace

TResourceName::TResourceName(std::string_view text) {
  std::uint16_t id = 0;
  if (ParseIdText(text, id)) {
    value_ = id;
    idText_ = text;
  } else {
    value_ = std::string(text);
  }
}

std::uint16_t TResourceName::Id() const {
  const auto* id = std::get_if<std::uint16_t>(&value_);
  return id ? *id : 0;
}

const std::string& TResourceName::Text() const {
  static const std::string kNone;
  const auto* text = std::get_if<std::string>(&value_);
  return text ? *text : kNone;
}

std::string TResourceName::DisplayName() const {
  if (!idText_.empty()) return idText_;
  return IsId() ? std::to_string(Id()) : Text();
}

bool operator==(const TResourceName& a, const TResourceName& b) {
  if (a.IsId() != b.IsId()) return false;
  return a.IsId() ? a.Id() == b.Id() : SameText(a.Text(), b.Text());
}

void RaiseResourceNotFound(const TResourceName& name) {
  throw EResNotFound(Format(messages::kResNotFound, {name.DisplayName()}));
}
