#include "framework/backends/font_file_lookup.h"

#include <gtest/gtest.h>

namespace {

// A first try that has no folders: every request is served by the whole system configuration.
constexpr std::string_view kNoFolders = "<fontconfig></fontconfig>";

std::string FileOf(TFontFileLookup& lookup, const TFontRequest& request) {
  const std::optional<TFaceFile> found = lookup.Find(request);
  return found ? found->file : std::string("(none)");
}

}  // namespace

// The faces the program's window names, in the styles it uses: found in the standard folders
// alone, and the very files the whole system configuration gives.
TEST(FontFileLookup, FindsTheWindowsFacesWithoutTheSystemConfiguration) {
  const TFontRequest requests[] = {
      {"MS Sans Serif", -11, false, false}, {"Verdana", -11, false, false},
      {"Verdana", -13, true, false},        {"Trebuchet MS", -24, true, false},
      {"Times New Roman", -31, true, true},
  };
  TFontFileLookup standard;
  TFontFileLookup system(kNoFolders);
  for (const TFontRequest& request : requests) {
    SCOPED_TRACE(request.faceName);
    EXPECT_EQ(FileOf(standard, request), FileOf(system, request));
  }
  EXPECT_FALSE(standard.ReadSystemConfiguration());
  EXPECT_TRUE(system.ReadSystemConfiguration());
}

// A face whose families are nowhere installed gets what the system makes of its generic family.
TEST(FontFileLookup, AMissingFaceFallsBackThroughTheSystemConfiguration) {
  const TFontRequest request{"Gadget", -11, false, false};
  TFontFileLookup standard;
  TFontFileLookup system(kNoFolders);
  const std::string file = FileOf(standard, request);
  EXPECT_NE(file, "(none)");
  EXPECT_EQ(file, FileOf(system, request));
  EXPECT_TRUE(standard.ReadSystemConfiguration());
}
