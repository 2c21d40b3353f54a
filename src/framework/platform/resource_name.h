#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// The name of a program resource, or of a resource type: a text or a 16-bit integer identifier.
// Text names compare ignoring the case of ASCII letters; an identifier never equals a text. A text
// of the form "#<decimal>" with a value up to 65535 is read as that identifier, as the platform's
// resource functions read it, so "#1" and 1 name the same resource.
class TResourceName {
 public:
  TResourceName(std::uint16_t id) : value_(id) {}  // NOLINT: an identifier is a name
  TResourceName(std::string_view text);            // NOLINT: so is a text
  TResourceName(const char* text) : TResourceName(std::string_view(text)) {}  // NOLINT

  bool IsId() const { return std::holds_alternative<std::uint16_t>(value_); }
  std::uint16_t Id() const;         // 0 for a text name
  const std::string& Text() const;  // empty for an identifier
  // The name as messages show it: the text it was given ("#42" too), or the identifier in
  // decimal.
  std::string DisplayName() const;

  friend bool operator==(const TResourceName& a, const TResourceName& b);

 private:
  std::variant<std::uint16_t, std::string> value_;
  std::string idText_;  // the text an identifier was read from, if any
};

// The resource types the program stores. An animated cursor holds a whole .ani file. A cursor
// group holds a whole .cur file and an icon group a whole .ico file in the resources the POSIX
// services keep; the platform's own resources (Windows) keep groups as a directory of separate
// images, which only the platform's loaders read (TPlatformCursors).
inline constexpr std::uint16_t RT_RCDATA = 10;
inline constexpr std::uint16_t RT_GROUP_CURSOR = 12;
inline constexpr std::uint16_t RT_GROUP_ICON = 14;
inline constexpr std::uint16_t RT_ANICURSOR = 21;
inline constexpr std::uint16_t RT_MANIFEST = 24;

// Raises EResNotFound "Resource %s not found" with the name as messages show it.
[[noreturn]] void RaiseResourceNotFound(const TResourceName& name);
