#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/core/object.h"
#include "framework/core/persistent.h"
#include "framework/core/property_value.h"

enum class TPropertyKind {
  kValue,   // a value stored in form data (number, boolean, text, identifier, set)
  kObject,  // a nested object whose own properties follow its name ("Font.Name", "Picture.Data")
  kEvent,   // an event, bound to the owner's method of the stored name
};

struct TPropertyInfo {
  std::string name;
  TPropertyKind kind = TPropertyKind::kValue;
  std::function<void(TPersistent&, const TPropertyValue&)> write;  // kValue
  std::function<TPropertyValue(const TPersistent&)> read;          // kValue
  std::optional<TPropertyValue> defaultValue;                      // kValue: not written when equal
  std::function<TPersistent*(TPersistent&)> object;                // kObject
  std::function<void(TPersistent&, TNotifyEvent)> bindEvent;       // kEvent
};

// Identifier names of an enumeration or of the members of a set, with their numbers (for a set,
// the bit number of each member).
using TIdentTable = std::vector<std::pair<std::string, std::int64_t>>;

namespace property_detail {

template <typename M>
struct Member;
template <typename C, typename R>
struct Member<R (C::*)() const> {
  using Class = C;
  using Result = std::remove_cvref_t<R>;
};
template <typename C, typename R>
struct Member<R (C::*)()> {
  using Class = C;
  using Result = std::remove_cvref_t<R>;
};
template <typename C, typename A>
struct Member<void (C::*)(A)> {
  using Class = C;
  using Arg = std::remove_cvref_t<A>;
};

TIdentValue IdentOf(const TIdentTable& names, std::int64_t number);
std::int64_t NumberOf(const TIdentTable& names, const std::string& ident);
TSetValue SetOf(const TIdentTable& names, std::uint64_t bits);
std::uint64_t BitsOf(const TIdentTable& names, const TSetValue& set);

}  // namespace property_detail

// The published properties of one class, by name (ignoring case), inheriting its base class's.
// Classes build theirs once, from member function pointers:
//   static const TPropertyTable table = TPropertyTable(&TControl::StaticProperties())
//       .Integer("Left", &TControl::Left, &TControl::SetLeft)
//       .Event("OnClick", &TControl::SetOnClick);
class TPropertyTable {
 public:
  TPropertyTable() = default;
  explicit TPropertyTable(const TPropertyTable* parent) : parent_(parent) {}

  const TPropertyInfo* Find(std::string_view name) const;
  // Every property, the base class's first, each name once.
  std::vector<const TPropertyInfo*> All() const;

  TPropertyTable& Add(TPropertyInfo info);

  template <typename G, typename S>
  TPropertyTable& Integer(std::string name, G get, S set,
                          std::optional<std::int64_t> defaultValue = std::nullopt) {
    using C = typename property_detail::Member<S>::Class;
    using A = typename property_detail::Member<S>::Arg;
    return AddValue<C>(
        std::move(name),
        [set](C& o, const TPropertyValue& v) { (o.*set)(static_cast<A>(AsInteger(v))); },
        [get](const C& o) { return TPropertyValue(static_cast<std::int64_t>((o.*get)())); },
        Optional(defaultValue));
  }

  template <typename G, typename S>
  TPropertyTable& Boolean(std::string name, G get, S set,
                          std::optional<bool> defaultValue = std::nullopt) {
    using C = typename property_detail::Member<S>::Class;
    return AddValue<C>(
        std::move(name), [set](C& o, const TPropertyValue& v) { (o.*set)(AsBoolean(v)); },
        [get](const C& o) { return TPropertyValue(static_cast<bool>((o.*get)())); },
        Optional(defaultValue));
  }

  template <typename G, typename S>
  TPropertyTable& String(std::string name, G get, S set,
                         std::optional<std::string> defaultValue = std::nullopt) {
    using C = typename property_detail::Member<S>::Class;
    return AddValue<C>(
        std::move(name), [set](C& o, const TPropertyValue& v) { (o.*set)(AsString(v)); },
        [get](const C& o) { return TPropertyValue(std::string((o.*get)())); },
        Optional(defaultValue));
  }

  // An enumeration stored by identifier.
  template <typename G, typename S>
  TPropertyTable& Enum(std::string name, G get, S set, TIdentTable names,
                       std::optional<std::int64_t> defaultValue = std::nullopt) {
    std::optional<TPropertyValue> stored;
    if (defaultValue) stored = property_detail::IdentOf(names, *defaultValue);
    return Converted(
        std::move(name), get, set,
        [names](const TPropertyValue& v) { return property_detail::NumberOf(names, AsIdent(v)); },
        [names](auto value) {
          return property_detail::IdentOf(names, static_cast<std::int64_t>(value));
        },
        std::move(stored));
  }

  // A set stored as the identifiers of its members; the value is a bit mask.
  template <typename G, typename S>
  TPropertyTable& Set(std::string name, G get, S set, TIdentTable names,
                      std::optional<std::uint64_t> defaultValue = std::nullopt) {
    std::optional<TPropertyValue> stored;
    if (defaultValue) stored = property_detail::SetOf(names, *defaultValue);
    return Converted(
        std::move(name), get, set,
        [names](const TPropertyValue& v) { return property_detail::BitsOf(names, AsSet(v)); },
        [names](auto value) {
          return property_detail::SetOf(names, static_cast<std::uint64_t>(value));
        },
        std::move(stored));
  }

  // A nested object, reached through a getter returning a reference or a pointer.
  template <typename G>
  TPropertyTable& Object(std::string name, G get) {
    using C = typename property_detail::Member<G>::Class;
    TPropertyInfo info;
    info.name = std::move(name);
    info.kind = TPropertyKind::kObject;
    info.object = [get](TPersistent& o) -> TPersistent* {
      auto&& result = (static_cast<C&>(o).*get)();
      if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(result)>>) {
        return result;
      } else {
        return &result;
      }
    };
    return Add(std::move(info));
  }

  template <typename S>
  TPropertyTable& Event(std::string name, S set) {
    using C = typename property_detail::Member<S>::Class;
    TPropertyInfo info;
    info.name = std::move(name);
    info.kind = TPropertyKind::kEvent;
    info.bindEvent = [set](TPersistent& o, TNotifyEvent handler) {
      (static_cast<C&>(o).*set)(std::move(handler));
    };
    return Add(std::move(info));
  }

  // Any other value property, from plain functions.
  template <typename C>
  TPropertyTable& AddValue(std::string name, std::function<void(C&, const TPropertyValue&)> write,
                           std::function<TPropertyValue(const C&)> read,
                           std::optional<TPropertyValue> defaultValue) {
    TPropertyInfo info;
    info.name = std::move(name);
    info.write = [write](TPersistent& o, const TPropertyValue& v) { write(static_cast<C&>(o), v); };
    info.read = [read](const TPersistent& o) { return read(static_cast<const C&>(o)); };
    info.defaultValue = std::move(defaultValue);
    return Add(std::move(info));
  }

 private:
  // A property stored in another form than the one its accessors take: `fromStored` gives the
  // setter's value, `toStored` the stored form of the getter's.
  template <typename G, typename S, typename FromStored, typename ToStored>
  TPropertyTable& Converted(std::string name, G get, S set, FromStored fromStored,
                            ToStored toStored, std::optional<TPropertyValue> stored) {
    using C = typename property_detail::Member<S>::Class;
    using A = typename property_detail::Member<S>::Arg;
    return AddValue<C>(
        std::move(name),
        [set, fromStored](C& o, const TPropertyValue& v) {
          (o.*set)(static_cast<A>(fromStored(v)));
        },
        [get, toStored](const C& o) { return TPropertyValue(toStored((o.*get)())); },
        std::move(stored));
  }

  template <typename T>
  static std::optional<TPropertyValue> Optional(const std::optional<T>& value) {
    if (!value) return std::nullopt;
    return TPropertyValue(*value);
  }

  const TPropertyTable* parent_ = nullptr;
  std::vector<TPropertyInfo> properties_;
};
