#pragma once

#include <string>
#include <string_view>

// Comparison of names the way the framework compares them: ASCII letters ignoring case.
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// The value of a hexadecimal digit (either case), or -1 for any other character.
int HexDigitValue(char c);
