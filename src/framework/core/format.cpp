#include "framework/core/format.h"

#include <cstdio>
#include <vector>

namespace {

struct Directive {
  int precision = -1;  // -1: none given
  char conversion = 0;
  std::size_t length = 0;  // characters of the pattern the directive spans
};

// Parses "%[.precision]conversion" at the start of text; conversion 0 means not a directive.
Directive ParseDirective(std::string_view text) {
  Directive d;
  std::size_t i = 1;
  if (i < text.size() && text[i] == '.') {
    int precision = 0;
    std::size_t digits = ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - digits < 3) {
      precision = precision * 10 + (text[i] - '0');
      ++i;
    }
    if (i == digits) return d;
    d.precision = precision;
  }
  if (i >= text.size()) return d;
  d.conversion = text[i];
  d.length = i + 1;
  return d;
}

std::string FormatNumber(std::int64_t value, const Directive& d) {
  char buffer[64];
  const int precision = d.precision < 0 ? 1 : d.precision;
  if (d.conversion == 'd') {
    std::snprintf(buffer, sizeof buffer, "%.*lld", precision, static_cast<long long>(value));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.*llX", precision,
                  static_cast<unsigned long long>(static_cast<std::uint64_t>(value)));
  }
  return buffer;
}

bool Expand(const Directive& d, const FormatArg& arg, std::string& out) {
  if (d.conversion == 's') {
    if (!std::holds_alternative<std::string_view>(arg)) return false;
    out += std::get<std::string_view>(arg);
    return true;
  }
  if (d.conversion == 'd' || d.conversion == 'x' || d.conversion == 'X') {
    if (!std::holds_alternative<std::int64_t>(arg)) return false;
    out += FormatNumber(std::get<std::int64_t>(arg), d);
    return true;
  }
  return false;
}

}  // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
  std::vector<FormatArg> values(args);
  std::size_t next = 0;
  std::string out;
  out.reserve(pattern.size() + 16);
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern[i] != '%') {
      out += pattern[i++];
      continue;
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    const Directive d = ParseDirective(pattern.substr(i));
    if (d.conversion != 0 && next < values.size() && Expand(d, values[next], out)) {
      ++next;
      i += d.length;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}
