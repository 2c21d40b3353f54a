#pragma once

#include <filesystem>
#include <functional>

#include "framework/backends/posix/registry_store.h"

// Where the current user's registry store lives: "quick-introduction/registry" under
// $XDG_CONFIG_HOME, or under ~/.config when that is unset or not an absolute path.
std::filesystem::path DefaultRegistryStoreFile();

// The registry store kept in one file. Changes are made under an advisory lock on a companion file
// ("<file>.lock") so that two programs writing at once don't lose each other's values, and each
// change replaces the file atomically: the new text goes to a temporary file beside it, reaches the
// disk, and is renamed over the old one, so a crash at any moment leaves either the old or the new
// store, never a mixture. A symbolic link at the path is followed and the file it names replaced.
class TRegistryFile {
 public:
  explicit TRegistryFile(std::filesystem::path file) : file_(std::move(file)) {}
  const std::filesystem::path& Path() const { return file_; }

  // The store the file holds, or a new one when there is no file. Raises ERegistryException when
  // the file can't be read or is damaged.
  TRegistryStore Load() const;

  // Reads the store, lets change edit it and, when change reports an edit, writes it back. Returns
  // false when the store can't be read or written (no permission, no space). A damaged store raises
  // ERegistryException and is left as it is: it may hold values someone wants back.
  bool Update(const std::function<bool(TRegistryStore&)>& change);

 private:
  std::filesystem::path file_;
};
