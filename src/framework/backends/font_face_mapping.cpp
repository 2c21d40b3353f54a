#include "framework/backends/font_face_mapping.h"

#include <cctype>

namespace {

struct Mapping {
  const char* face;
  std::vector<std::string> families;
};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool Mentions(std::string_view name, std::string_view word) {
  return name.find(word) != std::string_view::npos;
}

}  // namespace

std::vector<std::string> FamiliesFor(std::string_view faceName) {
  // Widths matter more than looks here: labels are laid out with explicit line breaks and fixed
  // sizes. Arimo and Tinos share the metrics of the common sans and serif faces; DejaVu Sans is as
  // wide as the wide screen sans the program's notes use.
  static const Mapping kMappings[] = {
      {"MS Sans Serif", {"Arimo", "Liberation Sans", "DejaVu Sans"}},
      {"Verdana", {"DejaVu Sans", "Bitstream Vera Sans", "Arimo"}},
      {"Trebuchet MS", {"Arimo", "Liberation Sans", "DejaVu Sans"}},
      {"Times New Roman", {"Tinos", "Liberation Serif", "DejaVu Serif"}},
  };
  std::vector<std::string> families;
  if (!faceName.empty()) families.emplace_back(faceName);
  for (const Mapping& mapping : kMappings) {
    if (!SameName(mapping.face, faceName)) continue;
    families.insert(families.end(), mapping.families.begin(), mapping.families.end());
  }
  const bool serif =
      (Mentions(faceName, "Serif") || Mentions(faceName, "Times")) && !Mentions(faceName, "Sans");
  families.emplace_back(serif ? "serif" : "sans-serif");
  return families;
}

bool IsGenericFamily(std::string_view family) {
  return SameName(family, "serif") || SameName(family, "sans-serif") ||
         SameName(family, "monospace");
}
