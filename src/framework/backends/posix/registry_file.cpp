#include "framework/backends/posix/registry_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "framework/backends/posix/file_contents.h"
#include "framework/backends/posix/file_descriptor.h"
#include "framework/core/exceptions.h"
#include "framework/core/format.h"

namespace {

constexpr const char* kStoreFolder = "quick-introduction";
constexpr const char* kStoreName = "registry";
constexpr const char* kUnreadable = "The registry store %s can't be read (%s)";

// Holds the store's lock for its lifetime; Held() is false when it couldn't be taken.
class StoreLock {
 public:
  explicit StoreLock(const std::filesystem::path& file)
      : fd_(::open((file.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    held_ = fd_.Get() >= 0 && FlockRetrying();
  }
  bool Held() const { return held_; }

 private:
  bool FlockRetrying() {
    int result;
    do {
      result = ::flock(fd_.Get(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    return result == 0;
  }

  FileDescriptor fd_;
  bool held_ = false;
};

std::filesystem::path ResolveLinks(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(file, error);
  return error ? file : resolved;
}

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && home[0] != '\0') return home;
  const passwd* user = ::getpwuid(::getuid());
  return user && user->pw_dir ? user->pw_dir : "/";
}

}  // namespace

std::filesystem::path DefaultRegistryStoreFile() {
  std::filesystem::path base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
    base = config;
  } else {
    base = HomeFolder() / ".config";
  }
  return base / kStoreFolder / kStoreName;
}

TRegistryStore TRegistryFile::Load() const {
  std::optional<std::string> text;
  if (const int error = ReadWholeFile(file_, text); error != 0) {
    throw ERegistryException(
        Format(kUnreadable, {file_.string(), std::generic_category().message(error)}));
  }
  return text ? TRegistryStore::Parse(*text, file_.string()) : TRegistryStore();
}

bool TRegistryFile::Update(const std::function<bool(TRegistryStore&)>& change) {
  const std::filesystem::path file = ResolveLinks(file_);
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  const StoreLock lock(file);
  std::optional<std::string> text;
  if (!lock.Held() || ReadWholeFile(file, text) != 0) return false;
  TRegistryStore store = text ? TRegistryStore::Parse(*text, file_.string()) : TRegistryStore();
  if (!change(store)) return true;
  // Private, as the file of the user's settings.
  return ReplaceFileAtomically(file, store.Text(), 0600);
}
