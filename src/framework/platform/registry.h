#pragma once

#include <optional>
#include <string>
#include <string_view>

// The current user's part of the registry through the installed platform services, one open key
// at a time.
class TRegistry {
 public:
  // Opens the key under HKEY_CURRENT_USER, creating any missing part of it. Returns false when it
  // can't; the key is then not open and a later write fails.
  bool OpenKey(std::string_view keyPath);
  void CloseKey() { currentKey_.reset(); }

  // Stores a string value in the open key: exactly the bytes of data, no terminating zero added.
  // Raises ERegistryException "Failed to set data for '%s'" with the value's name when no key is
  // open or the value can't be stored.
  void WriteString(std::string_view valueName, std::string_view data);

 private:
  std::optional<std::string> currentKey_;
};
