#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/form_tree.h"

// Returns the bytes of a file that a form source names in a binary block (file "path"), the path
// as written there; raises an Exception when it cannot.
using TFormFileReader = std::function<std::vector<std::uint8_t>(const std::string& path)>;

// Parses a form source file (docs/form-source.md) into its object tree. Errors are EParserError
// with "FILE:LINE:COLUMN: " and what was wrong.
TFormObject ParseFormSource(std::string_view text, std::string_view fileName,
                            const TFormFileReader& readFile);
