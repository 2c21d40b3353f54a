#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// One argument of Format: a text or a whole number.
using FormatArg = std::variant<std::string_view, std::int64_t>;

// Fills a message template the way the system's message texts expect: %s takes a text, %d a signed
// decimal number, %x / %X hexadecimal (upper case either way, as the messages show codes), with an
// optional precision giving the least number of digits ("%.2x"). "%%" is a literal percent sign.
// A directive without a matching argument, or of the wrong kind, is kept as written rather than
// failing: a message must never hide the error it reports.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);
