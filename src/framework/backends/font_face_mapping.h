#pragma once

#include <string>
#include <string_view>
#include <vector>

// The installed families tried, in order, for a face the program names. Faces the program's
// window uses are mapped to open faces of close design and, above all, close widths, so that
// texts wrap where they were laid out to wrap; any other name is tried as it is, then the generic
// family its name suggests.
std::vector<std::string> FamiliesFor(std::string_view faceName);

// Whether family is one of the generic families ("serif", "sans-serif", "monospace"), which only
// a system's font configuration turns into installed ones.
bool IsGenericFamily(std::string_view family);
