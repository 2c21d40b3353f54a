#include "framework/backends/font_file_lookup.h"

#include <memory>
#include <vector>

#include "framework/backends/font_face_mapping.h"

namespace {

using TPattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

const FcChar8* Text(const std::string& text) {
  return reinterpret_cast<const FcChar8*>(text.c_str());
}

std::string PatternString(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(value);
}

int PatternInteger(FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

TPattern BestMatch(FcConfig* config, const TFontRequest& request,
                   const std::vector<std::string>& families) {
  TPattern pattern(FcPatternCreate(), &FcPatternDestroy);
  for (const std::string& family : families)
    FcPatternAddString(pattern.get(), FC_FAMILY, Text(family));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result;
  return TPattern(FcFontMatch(config, pattern.get(), &result), &FcPatternDestroy);
}

// Whether the match is one of the families asked for by name: a generic family means whatever
// a configuration's aliases make of it, and a folder without the named families gives the best
// of what it has, which only the whole configuration can improve on.
bool ServesANamedFamily(FcPattern* match, const std::vector<std::string>& families) {
  FcChar8* found = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &found) == FcResultMatch; ++i) {
    for (const std::string& family : families) {
      if (!IsGenericFamily(family) && FcStrCmpIgnoreCase(found, Text(family)) == 0) return true;
    }
  }
  return false;
}

std::optional<TFaceFile> FaceFileOf(FcPattern* match) {
  TFaceFile found;
  found.file = PatternString(match, FC_FILE);
  if (found.file.empty()) return std::nullopt;
  found.index = PatternInteger(match, FC_INDEX, 0);
  found.family = PatternString(match, FC_FAMILY);
  found.style = PatternString(match, FC_STYLE);
  found.bold = PatternInteger(match, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
  found.italic = PatternInteger(match, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
  return found;
}

}  // namespace

// Fontconfig's own default folders, which distributions keep; fonts elsewhere are found through
// the system configuration.
const std::string_view TFontFileLookup::kStandardFolders = R"(<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
</fontconfig>)";

TFontFileLookup::TFontFileLookup(std::string_view first) : standard_(FcConfigCreate()) {
  const std::string text(first);
  if (standard_ != nullptr && (!FcConfigParseAndLoadFromMemory(standard_, Text(text), FcTrue) ||
                               !FcConfigBuildFonts(standard_))) {
    FcConfigDestroy(standard_);
    standard_ = nullptr;
  }
}

TFontFileLookup::~TFontFileLookup() {
  if (system_ != nullptr) FcConfigDestroy(system_);
  if (standard_ != nullptr) FcConfigDestroy(standard_);
}

std::optional<TFaceFile> TFontFileLookup::Find(const TFontRequest& request) {
  const std::vector<std::string> families = FamiliesFor(request.faceName);
  if (standard_ != nullptr) {
    const TPattern match = BestMatch(standard_, request, families);
    if (match != nullptr && ServesANamedFamily(match.get(), families))
      return FaceFileOf(match.get());
  }
  FcConfig* system = System();
  if (system == nullptr) return std::nullopt;
  const TPattern match = BestMatch(system, request, families);
  if (match == nullptr) return std::nullopt;
  return FaceFileOf(match.get());
}

FcConfig* TFontFileLookup::System() {
  if (!systemRead_) {
    systemRead_ = true;
    system_ = FcInitLoadConfigAndFonts();
  }
  return system_;
}
