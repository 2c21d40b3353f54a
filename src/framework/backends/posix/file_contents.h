#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A file's whole contents, read and replaced.

// Reads the whole file into text, which stays none when there is no file. Returns 0 or the error
// that kept it from being read.
int ReadWholeFile(const std::filesystem::path& file, std::optional<std::string>& text);

// Replaces file by one holding bytes, atomically: they go to a temporary file beside it, reach the
// disk, and the temporary file is renamed over file, so that a crash or a failure at any moment
// leaves either the old file (or none) or the new one, never a part of it; on failure nothing new
// is left behind. The new file gets the permission bits mode. Returns false on failure (no
// permission, no space), with errno telling why.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes, mode_t mode);
