#pragma once

#include <string>

#include "framework/platform/handles.h"
#include "framework/platform/resource_name.h"

// Cursors that the platform loads itself (on Windows, LoadCursor from the program's resources and
// LoadCursorFromFile), for a window backend that offers them. The handles work like the others
// (cursor.h): DestroyCursor frees them, and leaves alone those the platform shares.
class TPlatformCursors {
 public:
  TPlatformCursors() = default;
  TPlatformCursors(const TPlatformCursors&) = delete;
  TPlatformCursors& operator=(const TPlatformCursors&) = delete;
  virtual ~TPlatformCursors() = default;

  // The program's cursor group of that name; null when it has none.
  virtual HCURSOR LoadResourceCursor(const TResourceName& name) = 0;
  // The cursor of a static (.cur) or animated (.ani) cursor file; null when the file can't be
  // read as one.
  virtual HCURSOR LoadCursorFile(const std::string& path) = 0;
};
