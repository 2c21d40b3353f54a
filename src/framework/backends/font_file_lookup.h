#pragma once

#include <fontconfig/fontconfig.h>

#include <optional>
#include <string>
#include <string_view>

#include "framework/platform/font_rasterizer.h"

// The installed font file that serves a request.
struct TFaceFile {
  std::string file;
  int index = 0;
  std::string family;
  std::string style;
  bool bold = false;    // the file's own weight is bold
  bool italic = false;  // the file's own slant is italic or oblique
};

// Finds font files through fontconfig. Which families serve a face is the program's own mapping
// (FamiliesFor), so the system's substitution rules add nothing on the way to them, while reading
// the whole system configuration (dozens of files of rules) costs more than everything else the
// text needs at start-up. So a request is first matched in the standard font folders alone, with
// the system's caches of them; only a request that none of its named families there serves is
// matched again in the whole system configuration, read once when first needed, with its extra
// folders, aliases and generic families. For one thread.
class TFontFileLookup {
 public:
  // The standard font folders and the system's caches of them, as a fontconfig configuration.
  static const std::string_view kStandardFolders;

  // first: the configuration whose folders are tried first.
  explicit TFontFileLookup(std::string_view first = kStandardFolders);
  ~TFontFileLookup();
  TFontFileLookup(const TFontFileLookup&) = delete;
  TFontFileLookup& operator=(const TFontFileLookup&) = delete;

  // The file that best serves the request; none when no font at all is installed.
  std::optional<TFaceFile> Find(const TFontRequest& request);

  // Whether some request needed the whole system configuration.
  bool ReadSystemConfiguration() const { return systemRead_; }

 private:
  FcConfig* System();

  FcConfig* standard_ = nullptr;
  FcConfig* system_ = nullptr;
  bool systemRead_ = false;
};
