#pragma once

#include <string>

#include "framework/platform/handles.h"

// A cursor from a cursor file, as the platform's load-from-file gives it; the caller owns it.
// Null when the file can't be read or holds no cursor this program can show. Where the backend
// loads cursors itself (TPlatformCursors) the platform reads the file; elsewhere a static cursor
// (.cur) is read by the framework's cursor reader and an animated cursor (RIFF "ACON") by the
// animated-cursor reader, each frame at the size cursors show, stepping at its rate (one frame
// gives a still cursor).
HCURSOR LoadCursorFromFile(const std::string& path);
