#pragma once

#include <cstdint>
#include <span>
#include <string>

// Writes bytes as the whole content of the file at fileName without ever leaving it part written:
// they go to a new file beside it, which is renamed over it once every byte has reached the
// system. A failure at any point leaves the file as it was (or no file) and nothing else behind;
// EFCreateError "Cannot create file %s" when the new file cannot be made or take the old one's
// place, EWriteError "Stream write error" when not every byte can be written. A file that existed
// keeps its permissions.
void ReplaceFile(const std::string& fileName, std::span<const std::uint8_t> bytes);
