#include "framework/core/property_table.h"

#include "framework/core/exceptions.h"
#include "framework/core/messages.h"
#include "framework/core/text.h"

namespace property_detail {

TIdentValue IdentOf(const TIdentTable& names, std::int64_t number) {
  for (const auto& [name, value] : names) {
    if (value == number) return {name};
  }
  return {std::to_string(number)};
}

std::int64_t NumberOf(const TIdentTable& names, const std::string& ident) {
  for (const auto& [name, value] : names) {
    if (SameText(name, ident)) return value;
  }
  throw EReadError(messages::kInvalidPropertyValue);
}

TSetValue SetOf(const TIdentTable& names, std::uint64_t bits) {
  TSetValue set;
  for (const auto& [name, bit] : names) {
    if (bit >= 0 && bit < 64 && (bits >> bit & 1u) != 0) set.members.push_back(name);
  }
  return set;
}

std::uint64_t BitsOf(const TIdentTable& names, const TSetValue& set) {
  std::uint64_t bits = 0;
  for (const auto& member : set.members) {
    const std::int64_t bit = NumberOf(names, member);
    if (bit < 0 || bit >= 64) throw EReadError(messages::kInvalidPropertyValue);
    bits |= std::uint64_t{1} << bit;
  }
  return bits;
}

}  // namespace property_detail

const TPropertyInfo* TPropertyTable::Find(std::string_view name) const {
  for (const auto& info : properties_) {
    if (SameText(info.name, name)) return &info;
  }
  return parent_ != nullptr ? parent_->Find(name) : nullptr;
}

std::vector<const TPropertyInfo*> TPropertyTable::All() const {
  std::vector<const TPropertyInfo*> all = parent_ != nullptr ? parent_->All() : decltype(all){};
  for (const auto& info : properties_) {
    bool overridden = false;
    for (auto*& inherited : all) {
      if (SameText(inherited->name, info.name)) {
        inherited = &info;
        overridden = true;
      }
    }
    if (!overridden) all.push_back(&info);
  }
  return all;
}

TPropertyTable& TPropertyTable::Add(TPropertyInfo info) {
  properties_.push_back(std::move(info));
  return *this;
}
