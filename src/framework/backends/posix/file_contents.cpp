#include "framework/backends/posix/file_contents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "framework/backends/posix/file_descriptor.h"

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// Makes a rename inside folder durable.
void SyncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

}  // namespace

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

bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes, mode_t mode) {
  std::string temporary = file.string() + ".XXXXXX";
  FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (fd.Get() < 0) return false;
  const bool written = ::fchmod(fd.Get(), mode) == 0 && WriteAll(fd.Get(), bytes) &&
                       ::fsync(fd.Get()) == 0 && fd.Close() &&
                       ::rename(temporary.c_str(), file.c_str()) == 0;
  if (!written) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return false;
  }
  SyncFolder(file.parent_path());
  return true;
}
