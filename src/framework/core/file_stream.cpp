#include "framework/core/file_stream.h"

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include "framework/core/exceptions.h"
#include "framework/core/format.h"
#include "framework/core/messages.h"

namespace {

const char* ModeText(TFileStream::Mode mode) {
  switch (mode) {
    case TFileStream::fmCreate:
    case TFileStream::fmCreateNew:  // made by CreateNewFile; never reaches fopen
      return "w+b";
    case TFileStream::fmOpenRead:
      return "rb";
    case TFileStream::fmOpenWrite:
      return "r+b";
    case TFileStream::fmOpenReadWrite:
      return "r+b";
  }
  return "rb";
}

// Made with open() rather than fopen's "x", which the Windows C runtime ignores: a file that
// exists must never be taken over.
std::FILE* CreateNewFile(const std::string& fileName) {
#ifdef O_BINARY
  constexpr int kFlags = O_RDWR | O_CREAT | O_EXCL | O_BINARY;
#else
  constexpr int kFlags = O_RDWR | O_CREAT | O_EXCL;
#endif
  const int descriptor = ::open(fileName.c_str(), kFlags, 0666);
  if (descriptor < 0) return nullptr;
  std::FILE* file = ::fdopen(descriptor, "w+b");
  if (file == nullptr) ::close(descriptor);
  return file;
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, Mode mode) : fileName_(fileName) {
  file_ =
      mode == fmCreateNew ? CreateNewFile(fileName) : std::fopen(fileName.c_str(), ModeText(mode));
  if (file_ != nullptr) return;
  if (mode == fmCreate || mode == fmCreateNew)
    throw EFCreateError(Format(messages::kCreateError, {fileName}));
  throw EFOpenError(Format(messages::kOpenError, {fileName}));
}

TFileStream::~TFileStream() {
  std::fclose(file_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  return static_cast<std::int64_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  return static_cast<std::int64_t>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
  if (fseeko(file_, static_cast<off_t>(offset), whence) != 0)
    throw EStreamError(messages::kSeekError);
  return static_cast<std::int64_t>(ftello(file_));
}

void TFileStream::SetSize(std::int64_t size) {
  std::fflush(file_);
  if (ftruncate(fileno(file_), static_cast<off_t>(size)) != 0)
    throw EWriteError(messages::kWriteError);
}

void TFileStream::Flush() {
  if (std::fflush(file_) != 0) throw EWriteError(messages::kWriteError);
}
