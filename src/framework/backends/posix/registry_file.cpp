#include "framework/backends/posix/registry_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

namespace {

constexpr const char* kStoreFolder = "quick-introduction";
constexpr const char* kStoreName = "registry";
constexpr const char* kUnreadable = "The registry store %s can't be read (%s)";

// Closes a file descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, reporting whether everything written reached the file.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Reads the whole file into text, which stays none when there is no file. Returns 0 or the error
// that kept it from being read.
int ReadWholeFile(const std::filesystem::path& file, std::optional<std::string>& text) {
  text.reset();
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return errno == ENOENT ? 0 : errno;
  std::string contents;
  char buffer[16384];
  for (;;) {
    const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return errno;
    if (count == 0) break;
    contents.append(buffer, static_cast<std::size_t>(count));
  }
  text = std::move(contents);
  return 0;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// Makes a rename inside folder durable.
void SyncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

// Replaces file by one holding text, atomically (see TRegistryFile).
bool ReplaceFile(const std::filesystem::path& file, const std::string& text) {
  std::string temporary = file.string() + ".XXXXXX";
  FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (fd.Get() < 0) return false;
  const bool written = WriteAll(fd.Get(), text) && ::fsync(fd.Get()) == 0 && fd.Close() &&
                       ::rename(temporary.c_str(), file.c_str()) == 0;
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(file.parent_path());
  return true;
}

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
  return ReplaceFile(file, store.Text());
}
