#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/core/stream.h"

// A stream on a file of the local file system.
class TFileStream : public TStream {
 public:
  enum Mode {
    fmCreate,         // create or truncate, then read and write
    fmCreateNew,      // create a file that does not exist yet, then read and write
    fmOpenRead,       // existing file, read only
    fmOpenWrite,      // existing file, write only
    fmOpenReadWrite,  // existing file, read and write
  };

  // Raises EFCreateError "Cannot create file %s" (fmCreateNew: also when the file exists) or
  // EFOpenError "Cannot open file %s".
  TFileStream(const std::string& fileName, Mode mode);
  ~TFileStream() override;
  const char* ClassName() const override { return "TFileStream"; }

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  const std::string& FileName() const { return fileName_; }
  // Hands everything written so far to the system: EWriteError "Stream write error" when it
  // cannot take it all (a full disk shows here, as writes are buffered).
  void Flush();

 private:
  std::string fileName_;
  std::FILE* file_ = nullptr;
};
